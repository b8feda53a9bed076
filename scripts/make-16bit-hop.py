#!/usr/bin/env python3
"""Turns a current hop file (682 bytes, "HVRA6") into the packed layout of the 16-bit era
(661 bytes, "HVRA5"), so that old-format samples and test files can be made from ones the
current writer produced. Usage: make-16bit-hop.py CURRENT.HOP OLD.HOP"""
import sys

# (offset in the aligned 440-byte record block, size) of every field, in storage order.
FIELDS = ([(0, 40), (40, 20), (64, 8), (72, 8), (80, 8), (88, 2), (96, 8), (104, 8), (112, 15)]
          + [(128 + 8 * i, 8) for i in range(6)]
          + [(176, 2), (178, 2), (184, 8)]
          + [(192 + 2 * i, 2) for i in range(7)]
          + [(206, 25), (231, 25)]
          + [(256 + 8 * i, 8) for i in range(21)]
          + [(424, 2), (432, 8)])

def main(source, target):
    image = open(source, "rb").read()
    if len(image) < 682 or image[:6] != b"HVRA6\0":
        sys.exit(f"{source}: not a current hop file")
    record = image[82:522]
    packed = b"".join(record[offset:offset + size] for offset, size in FIELDS)
    assert len(packed) == 419
    old = b"HVRA5\0" + image[6:82] + packed + image[522:682]
    assert len(old) == 661
    open(target, "wb").write(old)

if __name__ == "__main__":
    main(*sys.argv[1:3])
