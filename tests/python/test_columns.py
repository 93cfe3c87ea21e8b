# SPDX-License-Identifier: MIT
# What comes back for what goes in: NumPy's broadcasting, pandas Series with
# their index, nullable columns, and a Dask DataFrame converted partition by
# partition.
import math

import numpy as np
import pandas as pd
import pytest

import tarnwick

CP_TO_CST = 1.2484394506866419  # 1 cP in cSt at 50 lb/ft^3, from the engine's table

# value, to unit, density: the result's type and shape
SHAPES = [
    ("scalars give a float", 1, "cSt", 50, float, ()),
    ("a NumPy scalar too", np.float32(1), "cSt", np.int64(50), float, ()),
    ("a list gives an array", [1, 1], "cSt", 50, np.ndarray, (2,)),
    ("a unit list broadcasts", 1, ["cSt", "cSt", "cSt"], 50, np.ndarray, (3,)),
    ("a column and a row", np.ones((2, 1)), "cSt", np.full(3, 50.0), np.ndarray, (2, 3)),
    ("an empty column", np.ones(0), "cSt", 50, np.ndarray, (0,)),
    ("strided input", np.ones(8)[::2], "cSt", 50, np.ndarray, (4,)),
    ("Fortran order", np.ones((3, 2), order="F"), "cSt", 50, np.ndarray, (3, 2)),
]


@pytest.mark.parametrize("name, value, to_unit, density, kind, shape", SHAPES)
def test_arguments_broadcast_as_numpys_do(name, value, to_unit, density, kind, shape):
    result = tarnwick.convert(value, "cP", to_unit, density)
    assert type(result) is kind and np.shape(result) == shape
    assert np.all(np.asarray(result) == CP_TO_CST)
    if kind is np.ndarray:
        assert result.dtype == np.float64


def test_a_series_keeps_its_index():
    mu = pd.Series([1.0, 10.0], index=["b", "a"], name="mu")
    rho = pd.Series([50, 50], index=["b", "a"])
    result = tarnwick.convert(mu, "cP", "cSt", rho)
    assert result.index.tolist() == ["b", "a"] and result.dtype == np.float64
    assert result.tolist() == [CP_TO_CST, 12.484394506866419]


def test_nullable_columns_give_nan_where_they_hold_na():
    mu = pd.Series([1.0, pd.NA, 1.0], dtype="Float64")
    units = pd.Series(["cP", "cP", None], dtype="string")
    result = tarnwick.convert(mu, units, "cSt")
    assert result.iloc[0] == CP_TO_CST and result.iloc[1:].isna().all()


def test_series_with_different_indexes_are_refused():
    with pytest.raises(ValueError, match="Series arguments must have the same index"):
        tarnwick.convert(pd.Series([1.0, 1.0]), "cP", "cSt", pd.Series([50, 50], index=[1, 0]))


def test_the_documented_dataframe_line():
    df = pd.DataFrame({"mu": [12.5, -1.0], "rho": [850.0, 850.0]}, index=[10, 20])
    df["cSt"] = tarnwick.convert(df["mu"], "cP", "cSt", df["rho"], "kg/m^3", errors="nan")
    assert df["cSt"].iloc[0] == 14.705882352941178 and math.isnan(df["cSt"].iloc[1])


def test_a_dask_dataframe_converts_partition_by_partition():
    import dask.dataframe as dd
    frame = pd.DataFrame({"mu": [1.0, 10.0] * 50, "rho": [50.0] * 100})
    lazy = dd.from_pandas(frame, npartitions=4)
    cst = lazy.map_partitions(
        lambda part: tarnwick.convert(part["mu"], "cP", "cSt", part["rho"], "lb/ft^3"),
        meta=("cSt", "f8"),
    )
    result = cst.compute(scheduler="threads")
    assert result.index.equals(frame.index)
    assert result.tolist() == [CP_TO_CST, 12.484394506866419] * 50
