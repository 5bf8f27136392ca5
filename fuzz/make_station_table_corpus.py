#!/usr/bin/env python3
"""Writes the seed corpus of station_table_fuzz: the driver's station tables as the Mac Table
page reads them, each input a flag byte (bit 0: 802.11n), half the bytes returned, the table.

    fuzz/make_station_table_corpus.py      write fuzz/corpus/station_table/*
"""

import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "fuzz", "corpus", "station_table")
RATES = [0x0003, 0x4007, 0x8187, 0xC08F, 0x8020, 0x0004]


def table(count, entries, ht):
    """count, then entries (MAC, AID, power save[, rate word]), zero-filled to the layout."""
    t = struct.pack("<I", count)
    for e in range(entries):
        t += bytes([2, 0x5A, 0x10, 0, 0, e & 0xFF, 1 + e, e & 1])
        if ht:
            t += struct.pack("<H", RATES[e % len(RATES)])
    return t.ljust(4 + 32 * (10 if ht else 8), b"\0")


def seed(ht, returned, t):
    return bytes([1 if ht else 0, returned // 2]) + t


def main():
    os.makedirs(OUT, exist_ok=True)
    seeds = {
        "legacy_three": seed(False, 260, table(3, 3, False)),
        "ht_full": seed(True, 324, table(32, 32, True)),
        "count_beyond_table": seed(True, 324, table(0xFFFFFFFF, 32, True)),
        "count_beyond_bytes": seed(False, 4 + 8 * 2, table(20, 20, False)),
        "short": seed(True, 2, b"\x05\x00"),
    }
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
