# SPDX-License-Identifier: MIT
"""Viscosities on Tarnwick's engine: units, efflux scales, ASTM D341, viscosity index, ISO grades and blends.

The functions take scalars, sequences, NumPy arrays or pandas Series, broadcast
them as NumPy does, and give exactly the results of Tarnwick's window and of
``tarnwick-convert``, as float64.

>>> import tarnwick
>>> tarnwick.convert(1, "cP", "cSt", 0.85, "g/cm^3")
1.1764705882352942
>>> tarnwick.convert([1, 2], "cP", ["cSt", "Pa.s"], [850, 900], "kg/m^3")
array([1.17647059, 0.002     ])

With pandas, one column per input:

>>> df["cSt"] = tarnwick.convert(df["mu"], "cP", "cSt", df["rho"], "kg/m^3")
>>> df["VI"] = tarnwick.viscosity_index(df["v40"], df["v100"])
"""
from __future__ import annotations

from . import _tarnwick as _core
from ._conversions import convert, convert_density
from ._elementwise import ConversionError
from ._oils import blend, blend_fraction, iso_grade, temperature_reaching, viscosity_at, viscosity_index

__all__ = [
    "ConversionError",
    "blend",
    "blend_fraction",
    "convert",
    "convert_density",
    "density_units",
    "iso_grade",
    "scales",
    "temperature_reaching",
    "viscosity_at",
    "viscosity_index",
    "viscosity_units",
]

__version__: str = _core.version

#: The viscosity units, dynamic then kinematic, as the window lists them.
viscosity_units: tuple[str, ...] = _core.viscosity_units
#: The density units, gravity scales included.
density_units: tuple[str, ...] = _core.density_units
#: The legacy efflux scales, which `convert` takes as units.
scales: tuple[str, ...] = _core.scales

for _function in (convert, convert_density, viscosity_at, temperature_reaching, viscosity_index,
                  iso_grade, blend, blend_fraction):
    _function.__module__ = __name__  # help() and the stub show them as tarnwick's
del _function
