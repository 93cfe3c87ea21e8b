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
the same data and converts nothing; then the same call again in the same
process, three times, once the memory for a result is the process's own
(the first call of each way also pays for the pages of its result).
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
    """Runs in the child: the first call's time, the process's peak memory in
    KiB, and the median of three calls more, once the process has the memory
    for a result (no page faults left to take)."""
    run = way(name, rows)

    def timed():
        start = time.perf_counter()
        run()
        return time.perf_counter() - start

    first = timed()
    peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    again = statistics.median(timed() for _ in range(3 if name != "tarnwick-per-element" else 1))
    scale = 10 if name == "tarnwick-per-element" else 1
    print(first * scale, peak, again * scale)


def main():
    build, rows, rounds = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000, \
        int(sys.argv[3]) if len(sys.argv) > 3 else 5
    env = dict(os.environ, PYTHONPATH=build)
    times = {w: [] for w in WAYS}
    warm = {w: [] for w in WAYS}
    peak = {w: [] for w in WAYS}
    for _ in range(rounds):
        for w in WAYS:
            out = subprocess.run([sys.executable, __file__, "--child", w, str(rows)], env=env,
                                 check=True, capture_output=True, text=True).stdout.split()
            times[w].append(float(out[0]))
            peak[w].append(int(out[1]) / 1024)
            warm[w].append(float(out[2]))
    floor = statistics.median(times["numpy"])
    warm_floor = statistics.median(warm["numpy"])
    print(f"{rows} conversions cP -> cSt with a density column, median of {rounds} rounds")
    print(f"{'way':<22}{'first ms':>10}{'x numpy':>10}{'again ms':>10}{'x numpy':>10}"
          f"{'peak MiB':>10}{'+ MiB':>8}")
    base = statistics.median(peak["nothing"])
    for w in WAYS[1:]:
        t, a, p = (statistics.median(m[w]) for m in (times, warm, peak))
        print(f"{w:<22}{t * 1e3:>10.1f}{t / floor:>10.2f}{a * 1e3:>10.1f}{a / warm_floor:>10.2f}"
              f"{p:>10.1f}{p - base:>8.1f}")
    for label, m in (("first", times), ("again", warm)):
        pint = statistics.median(m["pint-pandas"]) / statistics.median(m["tarnwick"])
        print(f"pint-pandas / tarnwick, {label} call: {pint:.2f}x")


if __name__ == "__main__":
    if sys.argv[1] == "--child":
        measure(sys.argv[2], int(sys.argv[3]))
    else:
        main()
