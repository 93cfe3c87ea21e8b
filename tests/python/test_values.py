# SPDX-License-Identifier: MIT
# Every value is the engine's own double, taken from the engine's tables and
# the converter's golden file: one element at a time, and all rows at once
# with a unit column each.
import numpy as np
import pytest

import tarnwick

# value, from, to, density, density unit, expected
VISCOSITY = [
    ("factors are not reciprocals", 1, "lb/(ft.s)", "poundal.s/ft^2", 50, "lb/ft^3", 1.00128),
    ("the default density is 50 lb/ft^3", 1, "cP", "cSt", None, None, 1.2484394506866419),
    ("cSt to cP multiplies by the density", 10, "cSt", "cP", 50, "lb/ft^3", 8.01),
    ("ft^2/s to ft^2/h is not 3600", 1, "ft^2/s", "ft^2/h", 50, "lb/ft^3", 3599.99595072),
    ("cSt and mm^2/s differ in the last digit", 1, "cSt", "mm^2/s", 50, "lb/ft^3", 0.9999999999999999),
    ("through deg API", 1, "cP", "cSt", 10, "deg API", 1),
    ("negative density from deg Baume", 1, "cP", "cSt", 150, "deg Baume", -0.034482758620689655),
    ("two kinematic factors", 7, "m^2/h", "mm^2/s", 0.83, "g/cm^3", 1944.4444444444448),
    ("a sample at 0.85 g/cm^3", 12.5, "cSt", "cP", 0.85, "g/cm^3", 10.625),
    ("dynamic units ignore the density", 3000, "lbf.s/ft^2", "Pa.s", 145, "deg Baume", 143640.78),
    ("underflow is not an error", 1e-310, "cP", "lbf.s/in^2", 50, "lb/ft^3", 1.45e-317),
    ("equal units skip the density's formula", 1, "cSt", "cSt", 145, "deg Baume", 1),
    ("a scale reading through cSt", 700, "SUS", "cSt", 50, "lb/ft^3", 151.08914751515542),
    ("to a scale reading", 1000, "cSt", "SUS", 850, "kg/m^3", 4632.402014085872),
]

# value, from, to, expected
DENSITY = [
    ("to the pivot", 50, "lb/ft^3", "g/cm^3", 0.8009999999999999),
    ("between two plain units", 0.5, "SG (rel. Air)", "lb/ft^3", 0.0380823),
    ("deg API to a plain unit", 30, "deg API", "lb/ft^3", 54.6987306501548),
    ("deg Baume above 145 is negative", 150, "deg Baume", "g/cm^3", -29),
    ("a gravity scale takes a negative value", -36.25, "deg Baume", "g/cm^3", 0.8),
    ("deg Baume to deg API", 20, "deg Baume", "deg API", -9.517241379310335),
]


def density_arguments(density, unit):
    return () if density is None else (density, unit)


@pytest.mark.parametrize("name, value, src, dst, density, unit, expected", VISCOSITY)
def test_convert_gives_the_engines_double(name, value, src, dst, density, unit, expected):
    result = tarnwick.convert(value, src, dst, *density_arguments(density, unit))
    assert type(result) is float and result == expected


@pytest.mark.parametrize("name, value, src, dst, density, unit, expected", VISCOSITY)
def test_a_column_with_one_unit_gives_every_element_the_same_double(
        name, value, src, dst, density, unit, expected):
    result = tarnwick.convert(np.full(300, value, dtype=float), src, dst, *density_arguments(density, unit))
    assert result.tolist() == [expected] * 300


def test_a_unit_column_gives_each_row_its_own_units():
    rows = [r for r in VISCOSITY if r[4] is not None]
    value, src, dst, density, unit, expected = [list(column) for column in zip(*rows)][1:]
    result = tarnwick.convert(value, src, dst, density, unit)
    assert result.dtype == np.float64 and result.tolist() == expected
    every_argument_a_column = tarnwick.convert(value, src, dst, density, unit, at=[None] * len(value))
    assert every_argument_a_column.tolist() == expected


@pytest.mark.parametrize("name, value, src, dst, expected", DENSITY)
def test_convert_density_gives_the_engines_double(name, value, src, dst, expected):
    assert tarnwick.convert_density(value, src, dst) == expected
    assert tarnwick.convert_density([value] * 3, src, [dst] * 3).tolist() == [expected] * 3


def test_the_lists_are_the_windows_without_its_separator():
    assert len(tarnwick.viscosity_units) == 24 and "" not in tarnwick.viscosity_units
    assert tarnwick.viscosity_units[:2] == ("cP", "lb/(ft.s)")
    assert tarnwick.viscosity_units[14:16] == ("kgf.s/m^2", "cSt")
    assert tarnwick.density_units[-3:] == ("deg Baume", "SG (rel. Water)", "SG (rel. Air)")
    assert tarnwick.__version__ == "1.1.0"
