#!/usr/bin/env python3
"""Deterministic generator of large page documents (benchmark data).

Usage:
    python3 gen_document.py text CHARS OUT    # one graph holding one text of CHARS characters
    python3 gen_document.py graphs COUNT OUT  # a page of COUNT graphs stacked top to bottom

Both pages draw the same two series of 32 samples (a time and a sine).
"text": the graph holds its two axis legends and one free text of CHARS
characters on one line (words of letters, digits and a few accented letters,
all in Windows-1252), so the document is about CHARS bytes.
"graphs": every graph is 80 points high and holds the sine's curve, both
legends, a short text, a line, an arrow, a rectangle and a circle, about 610
bytes a graph (3000 graphs make 1.8 MB).
The document is written in Windows-1252 with CR LF line ends, as the program
writes it, its texts' sizes left at 0 (drawing measures them). Same
arguments -> byte-identical file.
"""
import math
import sys

SAMPLES = 32
WIDTH = 2000
GRAPH_HEIGHT = 80
FONT = "Times New Roman;30;"
BOLD = "Times New Roman;36;fsBold"
WORDS = ("mesure", "tension", "courant", "période", "fréquence", "déphasage",
         "oscillogramme", "voie", "échelle", "10", "2,5", "kHz", "µs", "mV")


def real(v):
    """A real as the program writes it: shortest form, decimal comma."""
    text = repr(float(v))
    if text.endswith(".0"):
        text = text[:-2]
    mantissa, _, exponent = text.partition("e")
    if exponent:
        text = "%sE%d" % (mantissa, int(exponent))
    return text.replace(".", ",")


def series(lines):
    lines += ["[Datas]", "Nb series=2"]
    for name, colour, value in (("Time", "clBlue", lambda i: i * 1e-6),
                                ("V(N1)", "clFuchsia", lambda i: math.sin(i / 5.0))):
        lines += ["Analog", name, "", colour, str(SAMPLES)]
        lines += [real(round(value(i), 7)) for i in range(SAMPLES)]
    lines.append("[Datas End]")


def common(x, y, height, width):
    return [str(x), str(y), str(height), str(width), "0", "0", "False"]


def legends():
    return (["Legende"] + common(1837, 30, 54, 106) + ["0", "True", BOLD] +
            ["Legende"] + common(200, 20, 54, 126) + ["1", "False", BOLD])


def graph(lines, top, height, elements, count):
    lines += ["Math", "5E-6", "0,5", "True", "True", "True", "True", "1", "0", FONT,
              "clBlack", "clSilver", "2", "1", "0", str(top), str(height), str(WIDTH),
              real(3.1e-5), "0", "1", "-1", str(count)]
    lines += elements


def text_line(chars):
    words, size, i = [], 0, 0
    while size < chars:
        word = WORDS[(i * 7 + i // 13) % len(WORDS)]
        words.append(word)
        size += len(word) + 1
        i += 1
    return " ".join(words)[:chars]


def text_page(chars):
    elements = legends()
    elements += ["Texte"] + common(300, 700, 0, 0) + [text_line(chars), FONT, "clBlack"]
    lines = []
    series(lines)
    lines += ["[Axes]", str(WIDTH), "clWhite", "1"]
    graph(lines, 0, 1500, elements, 3)
    return lines


def graphs_page(count):
    lines = []
    series(lines)
    lines += ["[Axes]", str(WIDTH), "clWhite", str(count)]
    for g in range(count):
        elements = ["Courbe", "1", "4"] + legends()
        elements += ["Texte"] + common(300, 40, 0, 0) + ["graphe %d" % (g + 1), FONT, "clBlack"]
        elements += ["Ligne"] + common(400 + g % 100, 20, 30, 500) + ["2", "clRed"]
        elements += ["Fleche"] + common(900, 60, -20, 200) + ["2", "12", "False", "clGreen"]
        elements += ["Rectangle"] + common(1200, 10, 40, 150) + ["1", "True", "clNavy"]
        elements += ["Cercle"] + common(1500, 40, 20, 20) + ["3", "False", "clMaroon"]
        graph(lines, g * GRAPH_HEIGHT, GRAPH_HEIGHT, elements, 8)
    return lines


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("text", "graphs"):
        sys.exit(__doc__)
    size = int(sys.argv[2])
    lines = ["Scolivet Version 1.01"]
    lines += text_page(size) if sys.argv[1] == "text" else graphs_page(size)
    lines.append("[Axes End]")
    with open(sys.argv[3], "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main()
