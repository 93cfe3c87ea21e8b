# SPDX-License-Identifier: MIT
# The module and tarnwick-convert agree on every element: the same double
# (--shortest reads back exactly) or the same message, over random rows of
# every unit pair (efflux scales included, at their own temperature and at
# 210 F), density unit and kind of failure.
import os
import subprocess

import numpy as np
import pytest

import tarnwick


@pytest.mark.parametrize("at", [None, "210F"])
def test_every_element_is_the_converters(tmp_path, at):
    converter = os.environ["TARNWICK_CONVERT"]  # the built one, which CTest names
    rng = np.random.default_rng(21)
    n = 3000
    viscosity = np.array(tarnwick.viscosity_units + tarnwick.scales, dtype=object)
    density = np.array(tarnwick.density_units, dtype=object)
    values = 10.0 ** rng.uniform(-6, 6, n) * rng.choice([1e300] + [1] * 30 + [-1, 0] * 3, n)
    densities = np.where(rng.random(n) < 0.1, 145.0, rng.uniform(-5, 150, n))
    rows = (
        values,
        viscosity[rng.integers(0, len(viscosity), n)],
        viscosity[rng.integers(0, len(viscosity), n)],
        densities,
        density[rng.integers(0, len(density), n)],
    )
    batch = tmp_path / "rows.csv"
    batch.write_text("".join(f"{v!r},{f},{t},{d!r},{u}\n" for v, f, t, d, u in zip(*rows)))
    ran = subprocess.run(
        [converter, "--shortest", *(["--at", at] if at else []), "--batch", str(batch)],
        capture_output=True,
        text=True,
    )
    expected = [line.rsplit(",", 1)[1] for line in ran.stdout.splitlines()]
    messages = dict(
        line.removeprefix("tarnwick-convert: line ").split(": ", 1)
        for line in ran.stderr.splitlines()
        if line.startswith("tarnwick-convert: line ")
    )
    results = tarnwick.convert(*rows, at=at, errors="nan")
    assert len(messages) > 300  # every kind of failure is in the sample
    for i, (text, result) in enumerate(zip(expected, results)):
        if text:
            assert float(text) == result, f"row {i + 1}: {[r[i] for r in rows]}"
            continue
        with pytest.raises(tarnwick.ConversionError) as raised:
            tarnwick.convert(*(r[i] for r in rows), at=at)
        assert raised.value.reason == messages[str(i + 1)]
