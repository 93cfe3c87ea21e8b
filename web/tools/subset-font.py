#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Makes the web face from a Liberation Sans file: the Latin-1 letters and
# common punctuation, as WOFF2, under its own family name ("Tarnwick Sans"),
# since the font's licence keeps the name "Liberation" for the unchanged font.
#   subset-font.py IN.ttf OUT.woff2
# Needs Debian's fonttools and python3-brotli.
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

characters = "U+0020-007E,U+00A0-00FF,U+0131,U+0152-0153,U+02C6,U+02DA,U+02DC,U+2013-2014,U+2018-201E,U+2022,U+2026,U+2030,U+2039-203A,U+20AC,U+2122,U+2212"


def main(source, target):
    options = subset.Options()
    options.layout_features = ["kern"]
    options.flavor = "woff2"
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=subset.parse_unicodes(characters))
    subsetter.subset(font)
    style = font["name"].getDebugName(2) or "Regular"
    names = {1: "Tarnwick Sans", 3: f"Tarnwick Sans {style} (subset of Liberation Sans)",
             4: f"Tarnwick Sans {style}", 6: f"TarnwickSans-{style.replace(' ', '')}"}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font["name"].names = [r for r in font["name"].names if r.nameID not in (16, 17)]
    subset.save_font(font, target, options)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
