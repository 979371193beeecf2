#!/usr/bin/env python3
"""Turns a simulator graph export made by gen_isis.py into a table of numbers.

Usage:
    python3 gen_table.py EXPORT OUT SEPARATOR POINT

SEPARATOR is one of , ; tab and POINT one of . , (a comma point needs
another separator). The header becomes unquoted names with units in
brackets ("Time (s);V(N1) (V);..."); every data line keeps its numbers, with
the separator and the decimal point replaced, so the table has the export's
size and values: its floor is isis_floor on the export. Analog columns only.
"""
import sys


def main(argv):
    if len(argv) != 5:
        sys.stderr.write(__doc__)
        return 2
    source, out, sep, point = argv[1:5]
    sep = "\t" if sep == "tab" else sep
    if sep not in (",", ";", "\t") or point not in (".", ",") or sep == point:
        sys.stderr.write(__doc__)
        return 2
    with open(source, encoding="ascii", newline="") as f, \
            open(out, "w", encoding="ascii", newline="") as g:
        names = f.readline().rstrip("\r\n").strip('"').split('","')
        units = ["s"] + ["A" if n.startswith("I(") else "V" for n in names[1:]]
        g.write(sep.join("%s (%s)" % nu for nu in zip(names, units)) + "\r\n")
        while True:
            chunk = f.read(1 << 22)
            if not chunk:
                break
            if point == ",":
                chunk = chunk.replace(",", sep).replace(".", ",")
            elif sep != ",":
                chunk = chunk.replace(",", sep)
            g.write(chunk)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
