# SPDX-License-Identifier: MIT
"""The machinery every public function shares: its arguments broadcast as
NumPy does, pandas Series in and out, and failures raised or made NaN."""
from __future__ import annotations

import sys
from typing import TYPE_CHECKING, Any, Union

import numpy as np

if TYPE_CHECKING:
    import numpy.typing as npt
    import pandas

    ArrayLike = Union[npt.ArrayLike, pandas.Series]
    Result = Union[float, npt.NDArray[np.float64], pandas.Series]
    GradeResult = Union[str, None, npt.NDArray[np.object_], pandas.Series]

# What an argument holds: numbers, or texts read once each: unit names,
# temperatures, or a temperature that may be None for all elements (a
# scale's own). The words name what a wrong one should have been.
NUMBER, UNIT, TEMPERATURE, AT = "numbers", "a unit name or names", "a temperature or temperatures", "at"


class ConversionError(ValueError):
    """An element that cannot be converted.

    Raised by every function when ``errors="raise"``; with ``errors="nan"``
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


ConversionError.__module__ = "tarnwick"


def elementwise(operation: Any, single: Any, errors: str, *arguments: tuple[str, Any, str]) -> Result:
    """Runs operation over the broadcast arguments, each (name, value, kind);
    single when every argument is one plain number or name."""
    if errors not in ("raise", "nan"):
        raise ValueError(f"errors must be 'raise' or 'nan', not {errors!r}")
    names = tuple(name for name, _, _ in arguments)
    if all(type(value) in _PLAIN[kind] for _, value, kind in arguments):
        # One element: no arrays to make, as when called once per row.
        result, reason = single(errors == "nan", names, *(value for _, value, _ in arguments))
        if reason:
            raise ConversionError(reason)
        return result
    index = None
    columns = []
    for name, value, kind in arguments:
        if _is_series(value):
            if index is None:
                index = value.index
            elif not index.equals(value.index):
                raise ValueError("Series arguments must have the same index")
        columns.append(_number_column(name, value) if kind == NUMBER else _name_column(name, value, kind))
    shape = np.broadcast_shapes(*(c.shape for c in columns if isinstance(c, np.ndarray)))
    if index is not None and shape != (len(index),):
        raise ValueError(f"a Series of length {len(index)} cannot give a result of shape {shape}")
    size = int(np.prod(shape))
    flat = [np.broadcast_to(c, shape).reshape(-1) if isinstance(c, np.ndarray) else c for c in columns]
    result, failed_at, reason = operation(size, errors == "nan", names, *flat)
    if failed_at >= 0:
        at = tuple(int(i) for i in np.unravel_index(failed_at, shape))
        raise ConversionError(reason, at[0] if len(at) == 1 else at or None)
    if shape == ():
        return float(result[0])
    if index is not None:
        return sys.modules["pandas"].Series(result, index=index)
    return result.reshape(shape)


_PLAIN = {NUMBER: (float, int), UNIT: (str,), TEMPERATURE: (str,), AT: (str, type(None))}


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


def _name_column(name: str, value: Any, kind: str) -> str | None | np.ndarray:
    """A str (or None where kind allows), or an object array of names (None
    or NaN where missing)."""
    if isinstance(value, str) or (value is None and kind == AT):
        return value
    if _is_pandas(value) and hasattr(value, "to_numpy"):
        value = value.to_numpy(dtype=object, na_value=None)
    array = np.asarray(value, dtype=object)
    if array.ndim == 0:
        item = array.item()
        if not isinstance(item, str):
            what = TEMPERATURE if kind == AT else kind
            raise TypeError(f"{name} must be {what}, not {type(item).__name__}")
        return item
    return array


def grade_names(grades: Any, name_of: Any) -> Any:
    """Grade numbers (NaN for none) as names, None where there is none."""
    if isinstance(grades, float):
        return None if np.isnan(grades) else name_of(int(grades))
    values = grades.to_numpy() if _is_series(grades) else grades
    found, where = np.unique(values, return_inverse=True)
    names = np.array([None if np.isnan(g) else name_of(int(g)) for g in found], dtype=object)
    out = names[where.reshape(-1)].reshape(values.shape)
    if _is_series(grades):
        return sys.modules["pandas"].Series(out, index=grades.index, dtype=object)
    return out
