# SPDX-License-Identifier: MIT
"""What a lubricant's data sheet leads to beyond units: ASTM D341, the
viscosity index, ISO grades and blends. Viscosities are in cSt (mm^2/s)."""
from __future__ import annotations

from typing import TYPE_CHECKING, Literal

from . import _tarnwick as _core
from ._elementwise import NUMBER, TEMPERATURE, elementwise, grade_names

if TYPE_CHECKING:
    from ._elementwise import ArrayLike, GradeResult, Result



def viscosity_at(
    t: str | ArrayLike,
    t1: str | ArrayLike,
    v1: ArrayLike,
    t2: str | ArrayLike,
    v2: ArrayLike,
    *,
    errors: Literal["raise", "nan"] = "raise",
) -> Result:
    """Kinematic viscosity at a temperature, from two known points (ASTM D341).

    The Walther relation log10 log10 Z = A - B log10 T through the points
    (t1, v1) and (t2, v2), with T in kelvin and Z = v + 0.7 + exp(-1.47 -
    1.84 v - 0.51 v^2). It is meant for the liquid range, between cloud point
    and initial boiling point; a result outside it is still given.

    Parameters
    ----------
    t, t1, t2 : str or array_like of str
        Temperatures: a number directly followed by C, F or K, such as
        ``"40C"``, ``"210F"`` or ``"372.04K"``.
    v1, v2 : array_like or Series
        The viscosities at t1 and t2, in cSt.
    errors : {"raise", "nan"}, optional
        What an element that cannot be computed gives: a `ConversionError`
        (the default), or NaN.

    Returns
    -------
    float, ndarray or Series
        The viscosity at t in cSt, as `convert` returns its results.

    Raises
    ------
    ConversionError
        For equal temperatures, a viscosity not above zero, one that rises
        with temperature, a temperature at or below absolute zero.
    ValueError
        For a text that is not a temperature, before anything is computed.

    Examples
    --------
    >>> tarnwick.viscosity_at("60C", "40C", 32, "100C", 5.4)
    15.185892827825672
    """
    return elementwise(
        _core.viscosity_at, _core.viscosity_at_one, errors,
        ("t", t, TEMPERATURE), ("t1", t1, TEMPERATURE), ("v1", v1, NUMBER),
        ("t2", t2, TEMPERATURE), ("v2", v2, NUMBER),
    )


def temperature_reaching(
    v: ArrayLike,
    t1: str | ArrayLike,
    v1: ArrayLike,
    t2: str | ArrayLike,
    v2: ArrayLike,
    *,
    errors: Literal["raise", "nan"] = "raise",
) -> Result:
    """Temperature at which the viscosity is `v`, from two known points (ASTM D341).

    The inverse of `viscosity_at` on the same line.

    Parameters
    ----------
    v : array_like or Series
        The viscosity sought, in cSt.
    t1, v1, t2, v2
        As for `viscosity_at`.
    errors : {"raise", "nan"}, optional
        As for `viscosity_at`.

    Returns
    -------
    float, ndarray or Series
        The temperature as a number in t1's scale (C, F or K).

    Raises
    ------
    ConversionError, ValueError
        As for `viscosity_at`, and for two equal viscosities (a flat line).

    Examples
    --------
    >>> tarnwick.temperature_reaching(10, "40C", 32, "100C", 5.4)
    73.99807796494997
    """
    return elementwise(
        _core.temperature_reaching, _core.temperature_reaching_one, errors,
        ("v", v, NUMBER), ("t1", t1, TEMPERATURE), ("v1", v1, NUMBER),
        ("t2", t2, TEMPERATURE), ("v2", v2, NUMBER),
    )


def viscosity_index(
    v40: ArrayLike, v100: ArrayLike, rounded: bool = True, *, errors: Literal["raise", "nan"] = "raise"
) -> Result:
    """Viscosity index of oils (ASTM D2270, ISO 2909).

    Procedure A where v40 is at least H, procedure B otherwise, with L and H
    from the standard's table (2 to 70 cSt at 100 C, interpolated) or its
    equations above 70 cSt.

    Parameters
    ----------
    v40, v100 : array_like or Series
        Kinematic viscosities in cSt at 40 C and at 100 C.
    rounded : bool, optional
        Whole numbers, exact halves to even, as the standard reports the
        index (the default); or the index unrounded.
    errors : {"raise", "nan"}, optional
        What an oil without an index gives: a `ConversionError` (the
        default), or NaN.

    Returns
    -------
    float, ndarray or Series
        The indexes, as `convert` returns its results.

    Raises
    ------
    ConversionError
        Below 2 cSt at 100 C, where the standard defines no index, or for a
        viscosity not above zero.

    Examples
    --------
    >>> tarnwick.viscosity_index([73.30, 22.83], [8.86, 5.05])
    array([ 92., 156.])
    """
    operation = "rounded_viscosity_index" if rounded else "viscosity_index"
    return elementwise(
        getattr(_core, operation), getattr(_core, operation + "_one"), errors,
        ("v40", v40, NUMBER), ("v100", v100, NUMBER),
    )


def iso_grade(v40: ArrayLike, *, errors: Literal["raise", "nan"] = "raise") -> GradeResult:
    """ISO 3448 viscosity grade of oils, such as "ISO VG 68".

    Each grade holds 10 % either side of its midpoint, limits included; VG
    2200 and 3200 are ASTM D2422's.

    Parameters
    ----------
    v40 : array_like or Series
        Kinematic viscosities in cSt at 40 C.
    errors : {"raise", "nan"}, optional
        What a viscosity not above zero gives: a `ConversionError` (the
        default), or None.

    Returns
    -------
    str, None, ndarray of object or Series of object
        The grades' names; None where a viscosity lies between two grades,
        beyond them, or is missing.

    Examples
    --------
    >>> tarnwick.iso_grade([68, 27])
    array(['ISO VG 68', None], dtype=object)
    """
    grades = elementwise(
        _core.iso_grade, _core.iso_grade_one, errors, ("v40", v40, NUMBER)
    )
    return grade_names(grades, _core.iso_grade_name)


def blend(v1: ArrayLike, v2: ArrayLike, fraction: ArrayLike, *, errors: Literal["raise", "nan"] = "raise") -> Result:
    """Viscosity of a blend of two oils (Refutas).

    The viscosity blending number VBN = 14.534 ln(ln(v + 0.8)) + 10.975 mixes
    linearly by mass fraction; both oils at one temperature.

    Parameters
    ----------
    v1, v2 : array_like or Series
        The two oils' kinematic viscosities in cSt, above 0.2.
    fraction : array_like or Series
        The mass fraction of the second oil, 0 to 1.
    errors : {"raise", "nan"}, optional
        What an element that cannot be computed gives: a `ConversionError`
        (the default), or NaN.

    Returns
    -------
    float, ndarray or Series
        The blends' viscosities in cSt.

    Examples
    --------
    >>> tarnwick.blend(10, 100, 0.5)
    26.672406112119884
    """
    return elementwise(
        _core.blend, _core.blend_one, errors,
        ("v1", v1, NUMBER), ("v2", v2, NUMBER), ("fraction", fraction, NUMBER),
    )


def blend_fraction(
    v1: ArrayLike, v2: ArrayLike, target: ArrayLike, *, errors: Literal["raise", "nan"] = "raise"
) -> Result:
    """Mass fraction of the second oil that brings a blend to `target` (Refutas).

    Parameters
    ----------
    v1, v2 : array_like or Series
        The two oils' kinematic viscosities in cSt.
    target : array_like or Series
        The blend's viscosity, between v1 and v2.
    errors : {"raise", "nan"}, optional
        As for `blend`.

    Returns
    -------
    float, ndarray or Series
        The mass fractions, 0 to 1.

    Raises
    ------
    ConversionError
        For a target not between the two, or two equal viscosities.

    Examples
    --------
    >>> tarnwick.blend_fraction(10, 100, 68)
    0.8694530965938249
    """
    return elementwise(
        _core.blend_fraction, _core.blend_fraction_one, errors,
        ("v1", v1, NUMBER), ("v2", v2, NUMBER), ("target", target, NUMBER),
    )
