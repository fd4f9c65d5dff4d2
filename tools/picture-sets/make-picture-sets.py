#!/usr/bin/env python3
"""Draws the picture sets Zavolin ships with as SVG.

    tools/picture-sets/make-picture-sets.py [output folder, default picture-sets]

writes <folder>/classic/classic.svg, <folder>/kids/kids.svg and <folder>/lineart/lineart.svg
(black line art to colour in). Each set is a grid of 10 rows by 2 columns of cells of 1015 x 525
units (the largest note, 101.5 x 52.5 mm, times ten); row d - 1 holds value d, front left, back
right. Every cell is one top-level group lying wholly inside its cell, so the program can cut
each note's artwork out of the set.

The printer turns semi-transparent strokes into filled outlines and draws every text as glyph
outlines, so the line work here is opaque and each note carries only a few large texts.
"""

import os
import sys

import classic
import kids
import lineart
from drawing import W, H, VALUES


def picture_set(front, back, colours, title):
    out = ['<?xml version="1.0" encoding="UTF-8"?>\n'
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
           '<title>%s</title>\n' % (2 * W, 10 * H, 2 * W, 10 * H, title)]
    for row, value in enumerate(VALUES):
        for col, draw in enumerate((front, back)):
            out.append('<g id="cell%d" transform="translate(%d %d)">%s</g>\n' % (
                2 * row + col, col * W, row * H, draw(value, colours[row])))
    out.append("</svg>\n")
    return "".join(out)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "picture-sets")
    sets = {
        "classic": picture_set(classic.front, classic.back, classic.COLOURS,
                               "Zavolin play money, classic"),
        "kids": picture_set(kids.front, kids.back, kids.COLOURS, "Zavolin play money, kids"),
        "lineart": picture_set(lineart.front, lineart.back, lineart.COLOURS,
                               "Zavolin play money to colour in"),
    }
    for name, svg in sets.items():
        os.makedirs(os.path.join(folder, name), exist_ok=True)
        with open(os.path.join(folder, name, name + ".svg"), "w", encoding="utf-8") as out:
            out.write(svg)


if __name__ == "__main__":
    main()
