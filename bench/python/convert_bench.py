# SPDX-License-Identifier: MIT
"""The Python module against the ways a notebook converts without it.

    scripts/setup python3-pint
    /usr/bin/python3 bench/python/convert_bench.py BUILD/python [ROWS] [ROUNDS]

Converts ROWS (1,000,000) viscosities from cP to cSt, each with its own
density in kg/m^3: with tarnwick on NumPy arrays and on a pandas DataFrame,
with the two factors typed by hand in NumPy (values * a / rho), with pandas
and Pint, and with tarnwick called once per element (on a tenth of the rows,
scaled up). Each way runs in a process of its own, ROUNDS (5) times in turn
with the others, so that they share the machine's moments alike. Prints the
median time of each, its ratio to the hand-typed NumPy line, the process's
peak resident memory, and how much more that is than a process that makes
the same data and converts nothing.
"""
import os
import resource
import statistics
import subprocess
import sys
import time

WAYS = ["nothing", "numpy", "tarnwick", "tarnwick-pandas", "pint-pandas", "tarnwick-per-element"]


def data(rows):
    import numpy as np
    import pandas as pd

    rng = np.random.default_rng(1)
    mu = rng.uniform(0.5, 5000.0, rows)
    rho = rng.uniform(700.0, 1100.0, rows)
    return mu, rho, pd.DataFrame({"mu": mu, "rho": rho})


def way(name, rows):
    """The conversion to time, ready to run; its setup is not timed."""
    mu, rho, df = data(rows)
    if name == "nothing":
        return lambda: None
    if name == "numpy":
        return lambda: mu * 1000.0 / rho  # cP / (g/cm^3) is cSt; kg/m^3 is 1000 g/cm^3
    import tarnwick

    if name == "tarnwick":
        return lambda: tarnwick.convert(mu, "cP", "cSt", rho, "kg/m^3")
    if name == "tarnwick-pandas":
        return lambda: tarnwick.convert(df["mu"], "cP", "cSt", df["rho"], "kg/m^3")
    if name == "pint-pandas":
        import pandas as pd
        import pint

        units = pint.UnitRegistry()

        def pint_pandas():
            cst = (units.Quantity(df["mu"].to_numpy(), "cP")
                   / units.Quantity(df["rho"].to_numpy(), "kg/m^3")).to("cSt")
            return pd.Series(cst.magnitude, index=df.index)

        return pint_pandas
    if name == "tarnwick-per-element":
        part = list(zip(mu[: rows // 10].tolist(), rho[: rows // 10].tolist()))
        return lambda: [tarnwick.convert(m, "cP", "cSt", r, "kg/m^3") for m, r in part]
    raise SystemExit(f"unknown way {name}")


def measure(name, rows):
    """Runs in the child: one timing, and the process's peak memory in KiB."""
    run = way(name, rows)
    start = time.perf_counter()
    run()
    seconds = time.perf_counter() - start
    scale = 10 if name == "tarnwick-per-element" else 1
    print(seconds * scale, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss)


def main():
    build, rows, rounds = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000, \
        int(sys.argv[3]) if len(sys.argv) > 3 else 5
    env = dict(os.environ, PYTHONPATH=build)
    times = {w: [] for w in WAYS}
    peak = {w: [] for w in WAYS}
    for _ in range(rounds):
        for w in WAYS:
            out = subprocess.run([sys.executable, __file__, "--child", w, str(rows)], env=env,
                                 check=True, capture_output=True, text=True).stdout.split()
            times[w].append(float(out[0]))
            peak[w].append(int(out[1]) / 1024)
    floor = statistics.median(times["numpy"])
    print(f"{rows} conversions cP -> cSt with a density column, median of {rounds} rounds")
    print(f"{'way':<22}{'ms':>10}{'x numpy':>10}{'peak MiB':>10}{'+ MiB':>8}")
    base = statistics.median(peak["nothing"])
    for w in WAYS[1:]:
        t, p = statistics.median(times[w]), statistics.median(peak[w])
        print(f"{w:<22}{t * 1e3:>10.1f}{t / floor:>10.2f}{p:>10.1f}{p - base:>8.1f}")
    pint = statistics.median(times["pint-pandas"])
    print(f"pint-pandas / tarnwick: {pint / statistics.median(times['tarnwick']):.1f}x")


if __name__ == "__main__":
    if sys.argv[1] == "--child":
        measure(sys.argv[2], int(sys.argv[3]))
    else:
        main()
