# SPDX-License-Identifier: MIT
"""Viscosity and density conversions on Tarnwick's engine.

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
"""
from __future__ import annotations

import sys
from typing import TYPE_CHECKING, Any, Literal, Union

import numpy as np

from . import _tarnwick as _core

if TYPE_CHECKING:
    import numpy.typing as npt
    import pandas

    ArrayLike = Union[npt.ArrayLike, pandas.Series]
    Result = Union[float, npt.NDArray[np.float64], pandas.Series]

__all__ = [
    "ConversionError",
    "convert",
    "convert_density",
    "density_units",
    "viscosity_units",
]

__version__: str = _core.version

#: The viscosity units, dynamic then kinematic, as the window lists them.
viscosity_units: tuple[str, ...] = _core.viscosity_units
#: The density units, gravity scales included.
density_units: tuple[str, ...] = _core.density_units
# The efflux scales (Saybolt, Redwood, Engler) join here as `scales`, with
# their functions, once the engine converts them.


class ConversionError(ValueError):
    """An element that cannot be converted.

    Raised by the conversions when ``errors="raise"``; with ``errors="nan"``
    the element is NaN instead.

    Attributes
    ----------
    reason : str
        Why, in the words ``tarnwick-convert`` prints, for example
        "Input Error: Viscosity input value is zero or negative".
    index : int or tuple of int or None
        The position of the first element that failed in the broadcast
        result (``iloc`` for a Series), or None for scalars.
    """

    reason: str
    index: int | tuple[int, ...] | None

    def __init__(self, reason: str, index: int | tuple[int, ...] | None = None) -> None:
        self.reason = reason
        self.index = index
        super().__init__(reason if index is None else f"at index {index}: {reason}")

    def __reduce__(self) -> tuple[Any, ...]:
        # Kept whole when a scheduler sends it from a worker process.
        return (type(self), (self.reason, self.index))


def convert(
    value: ArrayLike,
    from_unit: str | ArrayLike,
    to_unit: str | ArrayLike,
    density: ArrayLike = _core.default_density,
    density_unit: str | ArrayLike = _core.default_density_unit,
    at: str | None = None,
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
        Units from `viscosity_units`, one for all elements or one for each.
    density : array_like or Series, optional
        The fluid's density, above zero.
    density_unit : str or array_like of str, optional
        A unit from `density_units`.
    at : str, optional
        The temperature of an efflux-scale reading, such as ``"210F"``. Not
        available yet: this version has no efflux scales, and refuses it.
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
    1.2484394506866416
    >>> tarnwick.convert([10, -1], "cSt", "cP", 0.85, "g/cm^3", errors="nan")
    array([8.5, nan])
    """
    if at is not None:
        raise NotImplementedError(
            "at= is the temperature of a Saybolt reading (SUS, SFS), "
            "and this version of tarnwick converts no efflux scales yet"
        )
    return _elementwise(
        _core.convert,
        _core.convert_one,
        errors,
        ("value", value, False),
        ("from_unit", from_unit, True),
        ("to_unit", to_unit, True),
        ("density", density, False),
        ("density_unit", density_unit, True),
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
    return _elementwise(
        _core.convert_density,
        _core.convert_density_one,
        errors,
        ("value", value, False),
        ("from_unit", from_unit, True),
        ("to_unit", to_unit, True),
    )


def _elementwise(
    operation: Any, single: Any, errors: str, *arguments: tuple[str, Any, bool]
) -> Result:
    """Runs operation over the broadcast arguments, each (name, value, is_unit);
    single when every argument is one plain number or name."""
    if errors not in ("raise", "nan"):
        raise ValueError(f"errors must be 'raise' or 'nan', not {errors!r}")
    if all(type(value) in (_UNIT if is_unit else _NUMBER) for _, value, is_unit in arguments):
        # One element: no arrays to make, as when called once per row.
        result, reason = single(errors == "nan", *(value for _, value, _ in arguments))
        if reason:
            raise ConversionError(reason)
        return result
    index = None
    columns = []
    for name, value, is_unit in arguments:
        if _is_series(value):
            if index is None:
                index = value.index
            elif not index.equals(value.index):
                raise ValueError("Series arguments must have the same index")
        columns.append(_unit_column(name, value) if is_unit else _number_column(name, value))
    shape = np.broadcast_shapes(*(c.shape for c in columns if isinstance(c, np.ndarray)))
    if index is not None and shape != (len(index),):
        raise ValueError(f"a Series of length {len(index)} cannot give a result of shape {shape}")
    size = int(np.prod(shape))
    flat = [
        np.broadcast_to(c, shape).reshape(-1) if isinstance(c, np.ndarray) else c for c in columns
    ]
    result, failed_at, reason = operation(size, errors == "nan", *flat)
    if failed_at >= 0:
        at = tuple(int(i) for i in np.unravel_index(failed_at, shape))
        raise ConversionError(reason, at[0] if len(at) == 1 else at or None)
    if shape == ():
        return float(result[0])
    if index is not None:
        return sys.modules["pandas"].Series(result, index=index)
    return result.reshape(shape)


_NUMBER = (float, int)
_UNIT = (str,)


def _is_series(value: Any) -> bool:
    pandas = sys.modules.get("pandas")  # nothing is a Series unless pandas is loaded
    return pandas is not None and isinstance(value, pandas.Series)


def _is_pandas(value: Any) -> bool:
    return type(value).__module__.partition(".")[0] == "pandas"


def _number_column(name: str, value: Any) -> float | np.ndarray:
    """A float, or a float64 array with NaN for missing values."""
    if type(value) in (float, int):
        return float(value)
    if _is_pandas(value) and hasattr(value, "to_numpy"):
        # Nullable dtypes hold pd.NA, which NumPy cannot read as a number.
        dtype = getattr(value, "dtype", None)
        if not isinstance(dtype, np.dtype) or dtype.kind == "O":
            value = value.to_numpy(dtype=np.float64, na_value=np.nan)
    array = np.asarray(value)
    if array.dtype.kind not in "biufO":
        raise TypeError(f"{name} must be numbers, not {array.dtype}")
    array = array.astype(np.float64, copy=False)
    return float(array) if array.ndim == 0 else array


def _unit_column(name: str, value: Any) -> str | np.ndarray:
    """A str, or an object array of names (None or NaN where missing)."""
    if isinstance(value, str):
        return value
    if _is_pandas(value) and hasattr(value, "to_numpy"):
        value = value.to_numpy(dtype=object, na_value=None)
    array = np.asarray(value, dtype=object)
    if array.ndim == 0:
        item = array.item()
        if not isinstance(item, str):
            raise TypeError(f"{name} must be a unit name or names, not {type(item).__name__}")
        return item
    return array
