#!/usr/bin/env python3
"""Writes the seed corpus of event_table_fuzz: the driver's event tables as the soft-AP
utility's poll takes them, each input a byte of bytes returned followed by the table.

    fuzz/make_event_table_corpus.py      write fuzz/corpus/event_table/*
"""

import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "fuzz", "corpus", "event_table")
TABLE_BYTES = 168


def table(count, records, first=0):
    """count, four unused bytes, then records (FILETIME, station, code), zero-filled to 168."""
    t = struct.pack("<II", count, 0)
    for r in range(records):
        t += struct.pack("<Q", 0x01DA000000000000 + r * 10000000)
        t += bytes([2, 0, 0, 0, 0, (first + r) & 0xFF]) + struct.pack("<H", r % 7)
    return t.ljust(TABLE_BYTES, b"\0")


def main():
    os.makedirs(OUT, exist_ok=True)
    seeds = {
        "three": bytes([8 + 3 * 16]) + table(3, 3),
        # eleven full tables: the store runs over its hundred
        "full_then_more": b"".join(bytes([TABLE_BYTES]) + table(10, 10, i * 10) for i in range(11)),
        "count_beyond_bytes": bytes([8 + 16]) + table(0xFFFFFFFF, 10),
        "short": bytes([5]) + b"\x02\x00",
    }
    for name, data in seeds.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
