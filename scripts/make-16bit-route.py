#!/usr/bin/env python3
"""Turns a current route file (5638 bytes, "RVRA3") into the layout of the 16-bit era ("RVRA2"):
no padding after the info, hop file names in 14-byte fields, and the three choices at the end
in 2-byte fields (794 bytes) or, with --wide-tail, in 8-byte fields of which the first 2 bytes
count (812 bytes). Usage: make-16bit-route.py CURRENT.ROU OLD.ROU [--wide-tail]"""
import sys

HEADING_END = 146          # magic, directory, file name, info
PADDING_END = 150          # 4 bytes of padding, current layout only
HOP_NAMES_AT = 490         # after the sums, hop count and division method
HOP_NAME_SIZE = 256
OLD_HOP_NAME_SIZE = 14
RADIO_AT = 5610            # radio name (20) and radio index (2)
CHOICES_AT = 5632          # three 2-byte choices
CURRENT_SIZE = 5638

def main(source, target, wide_tail):
    image = open(source, "rb").read()
    if len(image) < CURRENT_SIZE or image[:6] != b"RVRA3\0":
        sys.exit(f"{source}: not a current route file")
    old = bytearray(b"RVRA2\0" + image[6:HEADING_END] + image[PADDING_END:HOP_NAMES_AT])
    for at in range(HOP_NAMES_AT, RADIO_AT, HOP_NAME_SIZE):
        name = image[at:at + HOP_NAME_SIZE]
        if 0 not in name[:OLD_HOP_NAME_SIZE]:
            sys.exit(f"{source}: a hop file name does not fit 13 characters")
        old += name[:OLD_HOP_NAME_SIZE]
    old += image[RADIO_AT:CHOICES_AT]
    for at in range(CHOICES_AT, CURRENT_SIZE, 2):
        old += image[at:at + 2] + bytes(6 if wide_tail else 0)
    assert len(old) == (812 if wide_tail else 794)
    open(target, "wb").write(old)

if __name__ == "__main__":
    args = [a for a in sys.argv[1:] if a != "--wide-tail"]
    if len(args) != 2:
        sys.exit(__doc__)
    main(args[0], args[1], "--wide-tail" in sys.argv[1:])
