#!/usr/bin/python3
"""Finds the topmost title bar that Qt's Wayland decoration draws in a
screenshot (an 8-bit binary PPM): the first row with a long run of the bar's
colour. Prints "LEFT TOP RIGHT" in the picture's pixels (RIGHT inclusive), or
nothing. Usage: title_bar.py PICTURE.ppm
"""
import sys

BAR = bytes((0xEF, 0xEF, 0xEF))  # Velmor's window colour, which the bar takes

data = open(sys.argv[1], "rb").read()
_, width, height, _, pixels = data.split(maxsplit=4)
width, height = int(width), int(height)


def colour(x, y):
    start = (y * width + x) * 3
    return pixels[start : start + 3]


for top in range(height - 3):
    row = pixels[top * width * 3 : (top + 1) * width * 3]
    at = row.find(BAR * 150)
    while at >= 0 and at % 3:
        at = row.find(BAR * 150, at + 1)
    if at < 0:
        continue
    # Three rows down the bar is whole from edge to edge (below its rounded
    # corners, above its buttons).
    left = right = at // 3
    while left > 0 and colour(left - 1, top + 3) == BAR:
        left -= 1
    while right + 1 < width and colour(right + 1, top + 3) == BAR:
        right += 1
    print(left, top, right)
    break
