#!/usr/bin/env python3
"""Makes the built-in 8x16 bitmap fonts data/tazmofont.bin and data/gldrawtextfont.bin.

Source: the Terminus Font in bold, 8x16, as Debian's console-setup-linux package
ships it (/usr/share/consolefonts/Lat15-TerminusBold16.psf.gz). Terminus Font is
licensed under the SIL Open Font License 1.1; see data/FONT-LICENSE.txt. Without
installing the package, its files can be had with
  apt-get download console-setup-linux && dpkg-deb -x console-setup-linux_*.deb DIR

Output layout (1536 bytes): 16 rows, top row first; each row holds one byte
for each of the 96 character codes 32 to 127; in a byte, bit k is the pixel in
column k, so bit 0 is the leftmost column; a set bit is ink.

Console fonts store the leftmost column in the most significant bit, so every
byte is mirrored. Glyphs whose rightmost column is empty are moved one column
to the right, which puts the one-column gap between letters on the left of
each cell, where the reference letter A of this layout has it; the few glyphs
that use all eight columns stay as they are. The letter A itself takes the
reference rows (its bar sits one row higher than in the source).

  tools/make_bitmap_font.py [--psf FILE] [--data-dir DIR]
"""

import argparse
import gzip
import os
import struct
import sys

FIRST, COUNT, ROWS = 32, 96, 16
REFERENCE_A = bytes([0x00, 0x00, 0x7C, 0xC6, 0xC6, 0xC6, 0xFE, 0xC6, 0xC6, 0xC6, 0xC6, 0x00, 0x00, 0x00, 0x00, 0x00])
OUTPUTS = ("tazmofont.bin", "gldrawtextfont.bin")


def read_psf(path):
    """Returns (width, height, glyphs, {code point: glyph index})."""
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rb") as f:
        data = f.read()
    code_to_glyph = {}
    if data[:4] == b"\x72\xb5\x4a\x86":  # version 2
        _, _, header, flags, count, size, height, width = struct.unpack("<4sIIIIIII", data[:32])
        glyphs = [data[header + i * size: header + (i + 1) * size] for i in range(count)]
        if flags & 1:
            table = data[header + count * size:]
            pos = 0
            for index in range(count):
                end = table.index(b"\xff", pos)
                singles = table[pos:end].split(b"\xfe")[0]  # sequences after FE are combinations
                pos = end + 1
                for ch in singles.decode("utf-8"):
                    code_to_glyph.setdefault(ord(ch), index)
        return width, height, glyphs, code_to_glyph
    if data[:2] == b"\x36\x04":  # version 1
        mode, size = data[2], data[3]
        count = 512 if mode & 1 else 256
        glyphs = [data[4 + i * size: 4 + (i + 1) * size] for i in range(count)]
        if mode & 2:
            units = struct.unpack(f"<{(len(data) - 4 - count * size) // 2}H", data[4 + count * size:])
            index = 0
            for unit in units:
                if unit == 0xFFFF:
                    index += 1
                elif unit != 0xFFFE:
                    code_to_glyph.setdefault(unit, index)
        return 8, size, glyphs, code_to_glyph
    sys.exit(f"make_bitmap_font: {path} is not a console font")


def mirrored(byte):
    return int(f"{byte:08b}"[::-1], 2)


def convert(rows):
    """Source rows (leftmost pixel in the top bit) -> rows of this layout."""
    out = [mirrored(b) for b in rows]
    if not any(b & 0x80 for b in out):  # the rightmost column is empty
        out = [b << 1 for b in out]
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--psf", default="/usr/share/consolefonts/Lat15-TerminusBold16.psf.gz")
    parser.add_argument("--data-dir", default=os.path.join(here, "..", "data"))
    args = parser.parse_args()

    width, height, glyphs, code_to_glyph = read_psf(args.psf)
    if width != 8 or height != ROWS:
        sys.exit(f"make_bitmap_font: need an 8x16 font, {args.psf} is {width}x{height}")

    cells = []
    for code in range(FIRST, FIRST + COUNT):
        index = code_to_glyph.get(code)
        if index is None or code == 127:  # DEL has no picture
            cells.append(bytes(ROWS))
        else:
            cells.append(convert(glyphs[index][:ROWS]))
    cells[ord("A") - FIRST] = REFERENCE_A

    blank = [chr(FIRST + g) for g in range(1, COUNT - 1) if not any(cells[g])]
    if blank:
        sys.exit(f"make_bitmap_font: no ink for {''.join(blank)}")

    font = bytes(cells[g][row] for row in range(ROWS) for g in range(COUNT))
    assert len(font) == ROWS * COUNT
    for name in OUTPUTS:
        with open(os.path.join(args.data_dir, name), "wb") as f:
            f.write(font)
    print(f"make_bitmap_font: {len(font)} bytes from {os.path.basename(args.psf)} -> {', '.join(OUTPUTS)}")


if __name__ == "__main__":
    main()
