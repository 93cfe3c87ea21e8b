# SPDX-License-Identifier: MIT
# Elements that cannot be converted, unit names that are not units, and
# arguments that are not what a conversion takes.
import math
import pickle

import numpy as np
import pytest

import tarnwick

# arguments of convert (or convert_density with "density"), the message
# tarnwick-convert prints for the same inputs
FAILING = [
    ("zero viscosity", (0, "cP", "cSt"), "Input Error: Viscosity input value is zero or negative"),
    ("negative density", (1, "cP", "Pa.s", -1, "kg/m^3"), "Input Error: Density input value is zero or negative"),
    ("value's sign checked before density's", (-1, "cP", "cSt", 0, "kg/m^3"),
     "Input Error: Viscosity input value is zero or negative"),
    ("145 deg Baume", (1, "cSt", "cP", 145, "deg Baume"), "The result cannot be computed: division by zero."),
    ("overflow", (1e308, "lbf.s/in^2", "cP"), "The result cannot be computed: overflow."),
    ("infinite value", (math.inf, "cP", "Pa.s"), "The result cannot be computed: overflow."),
    ("a density that overflows on its way", (1, "cP", "cSt", 1e308, "lb/in^3"),
     "The result cannot be computed: overflow."),
    ("density", ("density", 0, "kg/m^3", "g/l"), "Input Error: Density input value is zero or negative"),
    ("density at 145 deg Baume", ("density", 145, "deg Baume", "g/cm^3"),
     "The result cannot be computed: division by zero."),
]


def run(arguments, **options):
    if arguments[0] == "density":
        return tarnwick.convert_density(*arguments[1:], **options)
    return tarnwick.convert(*arguments, **options)


def column(arguments):
    """The failing element third in a column of four, beside elements of 1."""
    return tuple([1, 1, a, 1] if isinstance(a, (int, float)) else a for a in arguments)


@pytest.mark.parametrize("name, arguments, reason", FAILING)
def test_a_failing_element_raises_with_the_converters_message(name, arguments, reason):
    with pytest.raises(tarnwick.ConversionError) as scalar:
        run(arguments)
    assert str(scalar.value) == reason and scalar.value.index is None
    with pytest.raises(tarnwick.ConversionError, match=r"^at index 2: ") as raised:
        run(column(arguments))
    assert (raised.value.index, raised.value.reason) == (2, reason)
    assert isinstance(raised.value, ValueError)


@pytest.mark.parametrize("name, arguments, reason", FAILING)
def test_with_errors_nan_a_failing_element_is_nan(name, arguments, reason):
    assert math.isnan(run(arguments, errors="nan"))
    result = run(column(arguments), errors="nan")
    assert np.isnan(result).tolist() == [False, False, True, False]


def test_the_index_names_the_position_in_the_broadcast_shape():
    with pytest.raises(tarnwick.ConversionError, match=r"^at index \(1, 2\): Input Error: Visc"):
        tarnwick.convert([[1, 1, 1], [1, 1, 0]], "cP", "cSt", [[1], [1]], "g/cm^3")


@pytest.mark.parametrize("value", [math.nan, None])
def test_a_missing_number_gives_nan_never_an_error(value):
    assert math.isnan(tarnwick.convert(value, "cP", "cSt", 0.8, "g/cm^3"))
    assert math.isnan(tarnwick.convert(1, "cP", "cSt", value, "g/cm^3"))
    assert math.isnan(tarnwick.convert(1, "cP", "cP", value, "g/cm^3"))
    result = tarnwick.convert([value, -1.0], "cP", "cSt", errors="nan")
    assert np.isnan(result).all()


# arguments, exception, message
REFUSED = [
    ((1, "CP", "cSt"), ValueError, 'unknown viscosity unit "CP" (did you mean "cP"?)'),
    ((1, "cP", "cSt", 1, "kg/l"), ValueError, 'unknown density unit "kg/l" (did you mean "g/l"?)'),
    ((1, "SUs", "cSt"), ValueError, 'unknown viscosity unit "SUs" (did you mean "SUS"?)'),
    ((1, ["cP", "cp"], "cSt"), ValueError, 'unknown viscosity unit "cp" (did you mean "cP"?)'),
    ((-1, "cP", "cSt", 1, "Kg/m^3"), ValueError, 'unknown density unit "Kg/m^3" (did you mean "kg/m^3"?)'),
    ((1, "", "cSt"), ValueError, "Viscosity unit is not specified."),
    ((1, "cP", ""), ValueError, "Conversion unit is not specified."),
    ((1, "cP", "cSt", 1, ""), ValueError, "Density unit is not specified."),
    ((1, "cP", 5), TypeError, "to_unit must be a unit name or names, not int"),
    ((1, "cP", ["cSt", 5]), TypeError, "a unit must be a str, not int"),
    (("1", "cP", "cSt"), TypeError, "value must be numbers, not <U1"),
    (([1, 2], "cP", ["cSt"] * 3), ValueError, "shape mismatch"),
]


@pytest.mark.parametrize("arguments, exception, message", REFUSED)
def test_arguments_that_are_not_units_or_numbers_are_refused(arguments, exception, message):
    with pytest.raises(exception) as raised:
        tarnwick.convert(*arguments)
    assert not isinstance(raised.value, tarnwick.ConversionError)
    assert str(raised.value).startswith(message)


def test_density_units_are_named_as_density_units():
    with pytest.raises(ValueError, match=r'^unknown density unit "cP" \(did you mean "g/l"\?\)$'):
        tarnwick.convert_density(1, "cP", "g/l")
    with pytest.raises(ValueError, match=r"^Density unit is not specified\.$"):
        tarnwick.convert_density(1, "g/l", "")


def test_an_unknown_errors_option_says_so():
    with pytest.raises(ValueError, match="errors must be 'raise' or 'nan', not 'ignore'"):
        tarnwick.convert(1, "cP", "cSt", errors="ignore")


def test_the_error_survives_pickling_as_a_scheduler_sends_it():
    error = pickle.loads(pickle.dumps(tarnwick.ConversionError("Input Error: x", (1, 2))))
    assert (str(error), error.reason, error.index) == ("at index (1, 2): Input Error: x", "Input Error: x", (1, 2))
