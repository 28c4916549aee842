#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz harnesses into fuzz/corpus/{load,store}.

Each seed is a small file that reaches one shape of .srm file: both
placements, short files that a store grows, words cut by the end of the
file, near-miss signatures, no signature, an empty file, a compressed file. Store seeds start
with a 404-byte record (101 little-endian 32-bit values) before the file.
The output is the same on every run; rerun after changing a shape here.
"""
import random
import struct
from pathlib import Path

SIGNATURE = b"DM SFX SAVE DATA"
FIRST = 0x7FF0   # signature at the end of a 32 KiB image, data from 0
SECOND = 0x70    # signature just before data that starts at 128
ROOT = Path(__file__).resolve().parent.parent / "fuzz" / "corpus"


def image(size, seed, first=False, second=False, fill=None):
    data = bytearray([fill] * size) if fill is not None else bytearray(random.Random(seed).randbytes(size))
    if first:
        data[FIRST:FIRST + 16] = SIGNATURE
    if second:
        data[SECOND:SECOND + 16] = SIGNATURE
    return data


def with_bytes(data, position, replacement):
    data = bytearray(data)
    data[position:position + len(replacement)] = replacement
    return data


# name -> file contents
FILES = {
    "empty": bytearray(),
    "short-127-partial-signature": with_bytes(image(127, 1), SECOND, SIGNATURE[:15]),
    "second-128-signature-only": image(128, 2, second=True),
    "second-200": image(200, 3, second=True),
    "second-1000": image(1000, 4, second=True),
    "second-1191-word-cut": image(128 + 1062 + 1, 5, second=True),
    "second-3646-last-byte-missing": image(3646, 6, second=True),
    "second-3647-exact": image(3647, 7, second=True),
    "second-4000": image(4000, 8, second=True),
    "second-one-byte-off": with_bytes(image(1000, 9, second=True), SECOND + 15, b"b"),
    "second-lower-case": with_bytes(image(1000, 10), SECOND, SIGNATURE.lower()),
    "second-zeros-2000": image(2000, 0, second=True, fill=0),
    "none-2000": image(2000, 11),
    "first-32768": image(32768, 12, first=True),
    "first-32768-zeros": image(32768, 0, first=True, fill=0),
    "both-32768": image(32768, 13, first=True, second=True),
    "second-only-32768": image(32768, 14, second=True),
    "first-cut-32767": with_bytes(image(32767, 15, second=True), FIRST, SIGNATURE[:15]),
    "none-32768": image(32768, 16),
    # RetroArch's compression header: refused even with a signature.
    "rzip-first-32768": with_bytes(image(32768, 17, first=True), 0, b"#RZIPv\x01#"),
    "rzip-near-miss-first-32768": with_bytes(image(32768, 18, first=True), 0, b"#RZIPv\x01$"),
}


def record(kind):
    if kind == "zeros":
        values = [0] * 101
    elif kind == "minus-one":
        values = [-1] * 101
    elif kind == "wide":  # wider than the fields: only the low bits are stored
        values = [(300, 70000, -1, 0x7FFFFFFF, -0x80000000)[i % 5] for i in range(101)]
    else:
        rng = random.Random(kind)
        values = [rng.randrange(-2**31, 2**31) for _ in range(101)]
    return struct.pack("<101i", *values)


RECORD_KINDS = ["zeros", "random-a", "minus-one", "wide", "random-b"]


def write(folder, name, data):
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(bytes(data))


def main():
    for folder in (ROOT / "load", ROOT / "store"):
        for old in folder.glob("*"):
            old.unlink()
    for name, data in FILES.items():
        write(ROOT / "load", name, data)
    for index, (name, data) in enumerate(FILES.items()):
        kind = RECORD_KINDS[index % len(RECORD_KINDS)]
        write(ROOT / "store", f"{name}+{kind}", record(kind) + data)
    # Inputs shorter than a record: the rest of the record is 0, the file empty.
    write(ROOT / "store", "partial-record", record("random-a")[:10])


if __name__ == "__main__":
    main()
