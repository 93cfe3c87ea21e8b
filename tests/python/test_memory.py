# SPDX-License-Identifier: MIT
# Converting many times leaves nothing behind: no result, argument or
# message outlives its call.
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
    for _ in range(30):
        convert_all()
    assert resident_bytes() - before < 4 * 1024 * 1024
