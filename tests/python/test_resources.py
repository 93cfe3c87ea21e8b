# SPDX-License-Identifier: MIT
# What a conversion holds while it runs and leaves behind: other threads run
# meanwhile, and no result, argument or message outlives its call.
import threading
import time

import numpy as np

import tarnwick


def resident_bytes():
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * 4096


def test_repeated_conversions_do_not_grow_the_process():
    values = np.linspace(-1.0, 10.0, 100_000)  # failures too, for their messages
    units = np.array(["cSt", "ft^2/h"] * 50_000, dtype=object)

    def convert_all():
        tarnwick.convert(values, "cP", units, 850.0, "kg/m^3", errors="nan")
        try:
            tarnwick.convert(values, "cP", units, 850.0, "kg/m^3")
        except tarnwick.ConversionError:
            pass

    for _ in range(5):
        convert_all()
    before = resident_bytes()
    for _ in range(20):
        convert_all()
    assert resident_bytes() - before < 4 * 1024 * 1024


def test_other_threads_run_while_an_array_converts():
    values = np.full(4_000_000, 3.0)
    start = time.perf_counter()
    tarnwick.convert(values, "cP", "cSt")
    alone = time.perf_counter() - start
    worker = threading.Thread(target=tarnwick.convert, args=(values, "cP", "cSt"))
    longest, last = 0.0, time.perf_counter()
    worker.start()
    while worker.is_alive():  # with the GIL held throughout, this loop would stall
        now = time.perf_counter()
        longest, last = max(longest, now - last), now
    assert longest < alone / 2
