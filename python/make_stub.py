# SPDX-License-Identifier: MIT
"""Writes the package's type stub from the built package itself.

    python3 make_stub.py PACKAGE_PARENT_DIR OUTPUT.pyi

The signatures, their defaults (which the engine states) and the docstrings
are read from tarnwick's public names, so that the stub cannot drift from
what help() shows.
"""
import inspect
import sys

sys.path.insert(0, sys.argv[1])  # the package just built, before any installed one
import tarnwick  # noqa: E402


def docstring(obj, indent):
    text = inspect.getdoc(obj) or ""
    pad = " " * indent
    body = "\n".join(pad + line if line else "" for line in text.splitlines())
    return f'{pad}"""\n{body}\n{pad}"""\n'


def parameters(function):
    out = []
    kw_only = False
    for p in inspect.signature(function).parameters.values():
        if p.kind is p.KEYWORD_ONLY and not kw_only:
            out.append("*")
            kw_only = True
        text = p.name
        if p.annotation is not p.empty:
            text += f": {p.annotation}"
        if p.default is not p.empty:
            text += f" = {p.default!r}"
        out.append(text)
    return out


lines = [
    "# SPDX-License-Identifier: MIT",
    "# Written from the built package by python/make_stub.py; do not edit.",
    docstring(tarnwick, 0).rstrip("\n"),
    "from typing import Any, Literal, Union",
    "",
    "import numpy as np",
    "import numpy.typing as npt",
    "import pandas",
    "",
    "ArrayLike = Union[npt.ArrayLike, pandas.Series]",
    "Result = Union[float, npt.NDArray[np.float64], pandas.Series]",
    "GradeResult = Union[str, None, npt.NDArray[np.object_], pandas.Series]",
    "",
    f"__all__: list[str] = {tarnwick.__all__!r}",
    "__version__: str",
    "viscosity_units: tuple[str, ...]",
    "density_units: tuple[str, ...]",
    "scales: tuple[str, ...]",
    "",
]
error = tarnwick.ConversionError
lines += [
    "class ConversionError(ValueError):",
    docstring(error, 4).rstrip("\n"),
    *(f"    {name}: {kind}" for name, kind in error.__annotations__.items()),
    f"    def __init__({', '.join(parameters(error.__init__))}) -> None: ...",
    "",
]
for name in tarnwick.__all__:
    function = getattr(tarnwick, name)
    if not inspect.isfunction(function):
        continue
    returns = inspect.signature(function).return_annotation
    lines.append(f"def {name}(")
    lines += [f"    {p}," for p in parameters(function)]
    lines.append(f") -> {returns}:")
    lines.append(docstring(function, 4) + "    ...")
    lines.append("")

with open(sys.argv[2], "w", encoding="utf-8") as out:
    out.write("\n".join(lines))
