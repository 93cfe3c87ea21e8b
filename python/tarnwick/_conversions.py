# SPDX-License-Identifier: MIT
"""Conversions of viscosities and densities between units."""
from __future__ import annotations

from typing import TYPE_CHECKING, Literal

from . import _tarnwick as _core
from ._elementwise import AT, NUMBER, UNIT, elementwise

if TYPE_CHECKING:
    from ._elementwise import ArrayLike, Result


def convert(
    value: ArrayLike,
    from_unit: str | ArrayLike,
    to_unit: str | ArrayLike,
    density: ArrayLike = _core.default_density,
    density_unit: str | ArrayLike = _core.default_density_unit,
    at: str | ArrayLike | None = None,
    *,
    errors: Literal["raise", "nan"] = "raise",
) -> Result:
    """Convert viscosities from one unit to another.

    The density links the dynamic units (cP, Pa.s, ...) to the kinematic ones
    (cSt, m^2/s, ...); between two dynamic units, or from a unit to itself,
    it plays no part but must still be above zero, as in the window.

    Parameters
    ----------
    value : array_like or Series
        The viscosities, above zero.
    from_unit, to_unit : str or array_like of str
        Units from `viscosity_units` or scales from `scales`, one for all
        elements or one for each. A scale reading converts through its
        kinematic viscosity in cSt at `at`, then as cSt does.
    density : array_like or Series, optional
        The fluid's density, above zero.
    density_unit : str or array_like of str, optional
        A unit from `density_units`.
    at : str or array_like of str, optional
        The temperature the readings of an efflux scale are taken at, such
        as ``"210F"``, ``"98.9C"`` or ``"372.04K"``. It changes SUS and
        selects the SFS equation (122 F or 210 F); None takes each scale's
        own (100 F for SUS, 122 F for SFS). The other units ignore it.
    errors : {"raise", "nan"}, optional
        What an element that cannot be converted gives: a `ConversionError`
        (the default), or NaN.

    Returns
    -------
    float, ndarray or Series
        The converted viscosities as float64: a float when every argument is
        a scalar, a Series with the arguments' index when one is a Series,
        else an array of the broadcast shape. NaN where an input is NaN or
        missing (None, ``pd.NA``), whatever `errors` says.

    Raises
    ------
    ConversionError
        With ``errors="raise"``, for the first element that cannot be
        converted, with its index and the converter's message.
    ValueError
        For an unknown or empty unit name, before anything is converted, or
        arguments that do not broadcast.

    See Also
    --------
    convert_density : convert a density between density units.

    Examples
    --------
    >>> tarnwick.convert(1, "cP", "cSt")
    1.2484394506866419
    >>> tarnwick.convert([10, -1], "cSt", "cP", 0.85, "g/cm^3", errors="nan")
    array([8.5, nan])
    >>> tarnwick.convert(700, "SUS", "cSt")
    151.08914751515542
    >>> tarnwick.convert(100, "SUS", "cSt", at="210F")
    20.357641206456105
    """
    return elementwise(
        _core.convert,
        _core.convert_one,
        errors,
        ("value", value, NUMBER),
        ("from_unit", from_unit, UNIT),
        ("to_unit", to_unit, UNIT),
        ("density", density, NUMBER),
        ("density_unit", density_unit, UNIT),
        ("at", at, AT),
    )


def convert_density(
    value: ArrayLike,
    from_unit: str | ArrayLike,
    to_unit: str | ArrayLike,
    *,
    errors: Literal["raise", "nan"] = "raise",
) -> Result:
    """Convert densities from one density unit to another.

    Parameters
    ----------
    value : array_like or Series
        The densities: above zero, except on the gravity scales "deg API" and
        "deg Baume", which take any value.
    from_unit, to_unit : str or array_like of str
        Units from `density_units`, one for all elements or one for each.
    errors : {"raise", "nan"}, optional
        What an element that cannot be converted gives: a `ConversionError`
        (the default), or NaN.

    Returns
    -------
    float, ndarray or Series
        As for `convert`.

    Raises
    ------
    ConversionError, ValueError
        As for `convert`.

    Examples
    --------
    >>> tarnwick.convert_density(850, "kg/m^3", "g/cm^3")
    0.85
    >>> tarnwick.convert_density([10, 35], "deg API", "kg/m^3")
    array([1000.        ,  849.87966293])
    """
    return elementwise(
        _core.convert_density,
        _core.convert_density_one,
        errors,
        ("value", value, NUMBER),
        ("from_unit", from_unit, UNIT),
        ("to_unit", to_unit, UNIT),
    )
