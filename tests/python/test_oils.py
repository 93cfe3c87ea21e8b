# SPDX-License-Identifier: MIT
# The efflux scales through convert(..., at=), and the oil functions: each
# row's value from the engine's own tables (exact doubles, or their
# 8-decimal text where the tables print that), or worked by hand; error rows
# beside them with the converter's message.
import math

import numpy as np
import pandas as pd
import pytest

import tarnwick

SUS32 = "Saybolt Universal seconds below 32 are not defined"
SFS_AT = "Saybolt Furol seconds are defined at 122 F and 210 F only"
NOT_ABOVE_ZERO = "kinematic viscosities at or below zero are not defined"

# function, arguments, keywords, expected: a float (exact), a str of 8
# decimals, or an exception with the start of its message
ROWS = [
    ("700 SUS are 151.08914752 cSt", tarnwick.convert, (700, "SUS", "cSt"), {}, 151.08914751515542),
    ("SUS at 210 F", tarnwick.convert, (100, "SUS", "cSt"), {"at": "210F"}, 20.357641206456105),
    ("SFS at 98.9 C is at 210 F", tarnwick.convert, (100, "SFS", "cSt"), {"at": "98.9C"}, 208.42423723440814),
    ("and at 372.04 K", tarnwick.convert, (100, "SFS", "cSt"), {"at": "372.04K"}, 208.42423723440814),
    ("SFS are read at 122 F unless told", tarnwick.convert, (100, "SFS", "cSt"), {}, 211.18109106343823),
    ("cSt to SFS at 210 F", tarnwick.convert, (200, "cSt", "SFS"), {"at": "210F"}, 95.9731592689295),
    ("Redwood 1 ignores the temperature", tarnwick.convert, (150, "Redwood 1", "cSt"), {"at": "20C"},
     36.71666666666666),
    ("Redwood 2 from 90 s", tarnwick.convert, (90, "Redwood 2", "cSt"), {}, 220.23000000000002),
    ("cSt to deg Engler", tarnwick.convert, (10, "cSt", "deg Engler"), {}, 1.837705760885457),
    # 151.08914751515542 cSt x 0.85 g/cm^3, and 35.288 cSt through 5 deg Engler
    ("a reading with the density to cP", tarnwick.convert, (700, "SUS", "cP", 0.85, "g/cm^3"), {},
     "128.42577539"),
    ("a scale to a scale through cSt", tarnwick.convert, (5, "deg Engler", "SUS"), {"at": "100F"},
     "165.33313850"),
    ("a reading below 32 SUS", tarnwick.convert, (31.99, "SUS", "cSt"), {}, SUS32),
    ("a viscosity that reads below it", tarnwick.convert, (1.8, "cSt", "SUS"), {}, SUS32),
    ("SFS at 150 F", tarnwick.convert, (100, "SFS", "cSt"), {"at": "150F"}, SFS_AT),
    ("the value's sign is checked first", tarnwick.convert, (-1, "SUS", "cSt", -1, "g/l"), {},
     "Input Error: Viscosity input value is zero or negative"),
    ("ISO VG 32 at 60 C", tarnwick.viscosity_at, ("60C", "40C", 32, "100C", 5.4), {}, "15.18589283"),
    ("in Fahrenheit", tarnwick.viscosity_at, ("150F", "100F", 150, "210F", 14.5), {}, "41.69031067"),
    ("equal temperatures", tarnwick.viscosity_at, ("60C", "40C", 32, "313.15K", 5.4), {},
     "the two temperatures must differ"),
    ("rising with temperature", tarnwick.viscosity_at, ("60C", "40C", 5.4, "100C", 32), {},
     "the viscosity must not rise with temperature"),
    ("at absolute zero", tarnwick.viscosity_at, ("0K", "40C", 32, "100C", 5.4), {},
     "temperatures at or below absolute zero are not defined"),
    ("10 cSt reached in Celsius", tarnwick.temperature_reaching, (10, "40C", 32, "100C", 5.4), {},
     "73.99807796"),
    ("in t1's scale, kelvin", tarnwick.temperature_reaching, (10, "313.15K", 32, "100C", 5.4), {},
     "347.14807796"),
    ("a flat line", tarnwick.temperature_reaching, (5, "40C", 10, "100C", 10), {},
     "the two viscosities must differ to find a temperature"),
    ("the standard's procedure A", tarnwick.viscosity_index, (73.30, 8.86), {}, 92.0),
    ("its procedure B", tarnwick.viscosity_index, (22.83, 5.05), {}, 156.0),
    ("unrounded", tarnwick.viscosity_index, (53.47, 7.80), {"rounded": False}, "111.30701701"),
    ("interpolated, to even", tarnwick.viscosity_index, (10, 2.05), {}, -101.0),
    ("below 2 cSt at 100 C", tarnwick.viscosity_index, (7, 1.99), {},
     "the viscosity index is not defined below 2 cSt at 100 C"),
    ("half and half", tarnwick.blend, (10, 100, 0.5), {}, "26.67240611"),
    ("a fraction above 1", tarnwick.blend, (10, 100, 1.01), {}, "the mass fraction must lie between 0 and 1"),
    ("30 cSt from 10 and 100", tarnwick.blend_fraction, (10, 100, 30), {}, "0.55124835"),
    ("a target above both", tarnwick.blend_fraction, (10, 100, 101), {},
     "the target viscosity must lie between the two oils' viscosities"),
]


def expect(result, expected):
    if isinstance(expected, float):
        assert result == expected
    else:
        assert f"{result:.8f}" == expected


@pytest.mark.parametrize("name, function, arguments, keywords, expected", ROWS)
def test_each_function_gives_the_engines_value_or_message(name, function, arguments, keywords, expected):
    if isinstance(expected, str) and not expected[0].isdigit():
        with pytest.raises(tarnwick.ConversionError) as raised:
            function(*arguments, **keywords)
        assert raised.value.reason == expected
        assert math.isnan(function(*arguments, **keywords, errors="nan"))
        return
    expect(function(*arguments, **keywords), expected)
    # The same as the third element of columns, each argument a column.
    columns = [[a, a, a] for a in arguments]
    result = function(*columns, **{k: [v] * 3 for k, v in keywords.items() if k != "rounded"},
                      **{k: v for k, v in keywords.items() if k == "rounded"})
    expect(result[2], expected)


# v40 cSt: the grade
GRADES = [
    ("a midpoint", 68, "ISO VG 68"),
    ("the upper limit is in the grade", 74.8, "ISO VG 68"),
    ("VG 2's lower limit", 1.98, "ISO VG 2"),
    ("between VG 22 and VG 32", 27, None),
    ("D2422's VG 3200", 3520, "ISO VG 3200"),
    ("above every grade", 3521, None),
    ("missing", math.nan, None),
]


def test_iso_grades_are_names_and_none_where_there_is_none():
    names, values, expected = zip(*GRADES)
    for value, grade in zip(values, expected):
        assert tarnwick.iso_grade(value) == grade
    result = tarnwick.iso_grade(pd.Series(values, index=names))
    assert result.dtype == object and result.to_dict() == dict(zip(names, expected))
    assert tarnwick.iso_grade(np.reshape(values[:6], (2, 3))).tolist() == [list(expected[:3]), list(expected[3:6])]
    with pytest.raises(tarnwick.ConversionError, match=f"^at index 1: {NOT_ABOVE_ZERO}$"):
        tarnwick.iso_grade([68, 0])
    assert tarnwick.iso_grade([68, 0], errors="nan").tolist() == ["ISO VG 68", None]


# arguments of viscosity_at, the ValueError or TypeError raised before anything is computed
REFUSED = [
    (("60", "40C", 32, "100C", 5.4), ValueError, "t takes a temperature such as 40C, 210F or 372.04K, not '60'"),
    (("60C", ["40C", "40X"], 32, "100C", 5.4), ValueError, "t1 takes a temperature"),
    (("60C", "40C", 32, 100, 5.4), TypeError, "t2 must be a temperature or temperatures, not int"),
]


@pytest.mark.parametrize("arguments, exception, message", REFUSED)
def test_texts_that_are_not_temperatures_are_refused_by_name(arguments, exception, message):
    with pytest.raises(exception) as raised:
        tarnwick.viscosity_at(*arguments)
    assert str(raised.value).startswith(message)
    assert not isinstance(raised.value, tarnwick.ConversionError)


def test_a_temperature_column_gives_each_row_its_temperature():
    t = pd.Series(["60C", None, "140F", "333.15K"], index=[4, 3, 2, 1])
    result = tarnwick.viscosity_at(t, "40C", 32, "100C", 5.4)
    assert result.index.tolist() == [4, 3, 2, 1] and math.isnan(result[3])
    assert [f"{v:.8f}" for v in result[[4, 2, 1]]] == ["15.18589283"] * 3
    at = tarnwick.convert([700, 100], "SUS", "cSt", at=[None, "210F"])
    assert at.tolist() == [151.08914751515542, 20.357641206456105]
