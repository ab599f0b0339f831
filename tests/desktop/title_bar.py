#!/usr/bin/python3
"""Finds the title bars that Qt's Wayland decoration draws in a screenshot
(an 8-bit binary PPM). A bar is a block of the bar's colour at least RUN
pixels wide and six rows tall under a row without it. Prints "LEFT TOP
RIGHT" for each, top to bottom, in the picture's pixels (RIGHT inclusive).
Usage: title_bar.py PICTURE.ppm
"""
import sys

BAR = bytes((0xEF, 0xEF, 0xEF))  # Velmor's window colour, which the bar takes
RUN = 150  # pixels: longer than any run of the colour in the desktop's background
CORNER = 8  # pixels: more than a bar's rounded corner takes off its top row

data = open(sys.argv[1], "rb").read()
_, width, height, _, pixels = data.split(maxsplit=4)
width, height = int(width), int(height)


def is_bar(x, y):
    start = (y * width + x) * 3
    return pixels[start : start + 3] == BAR


def runs(y):
    """The runs of the bar's colour in row Y: (first, last) pixel."""
    x = 0
    while x < width:
        if not is_bar(x, y):
            x += 1
            continue
        first = x
        while x < width and is_bar(x, y):
            x += 1
        yield first, x - 1


for top in range(1, height - 6):
    for first, last in runs(top):
        if last - first + 1 < RUN or is_bar(first, top - 1) or is_bar(last, top - 1):
            continue
        # Three rows down the bar is whole from edge to edge (below its
        # rounded corners, above its buttons). A bar partly under another
        # window, whose colour runs on into that window, is not reported.
        edges = [run for run in runs(top + 3)
                 if first - CORNER <= run[0] <= first and last <= run[1] <= last + CORNER]
        if edges and all(is_bar(first, y) and is_bar(last, y) for y in range(top, top + 6)):
            print(edges[0][0], top, edges[0][1])
