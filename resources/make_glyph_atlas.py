#!/usr/bin/env python3
"""Renders the few fonts that the pictures use into glyph_atlas.py.

The picture generator must give the same bytes on every machine, so it does
not render text itself: this tool asks ImageMagick's `convert` (FreeType,
hinted, anti-aliased) once for every glyph of every font below and stores
each glyph's coverage in 16 levels together with its hinted advance. Run it
again only to change a font or a size; the DejaVu fonts (Bitstream Vera
licence, free to embed) come from Debian's fonts-dejavu-core.

Usage: make_glyph_atlas.py [OUTPUT]   (default: glyph_atlas.py beside it)
"""
import os
import re
import subprocess
import sys

# name: (font file, pixel size)
FONTS = {
    "label": ("DejaVu-Sans", 10),
    "small": ("DejaVu-Sans", 9),
    "title": ("DejaVu-Sans-Bold", 12),
}
CHARACTERS = "".join(chr(c) for c in range(32, 127) if chr(c) != "\\")  # no backslash: unused


def escaped(text):
    """The text as ImageMagick's -annotate and label: take it literally."""
    text = text.replace("%", "%%")
    return "\\" + text if text[0] in "@ " else text


def run(arguments):
    return subprocess.run(arguments, check=True, capture_output=True)


def glyph_advance(font, size, character):
    """The hinted advance in pixels, from ImageMagick's type metrics."""
    text = character if character != " " else "a a"
    result = run(["convert", "-debug", "annotate", "xc:", "-font", font, "-pointsize",
                  str(size), "-annotate", "0", escaped(text), "null:"])
    origin = re.search(r"origin: (-?[\d.]+),", result.stderr.decode())
    advance = int(float(origin.group(1)))  # hinted advance, or ink edge past it
    if character == " ":
        advance -= 2 * glyph_advance(font, size, "a")
    return advance


def glyph_cell(font, size, character):
    """(width, height, coverage rows 0..15) of the glyph as `label:` draws it."""
    text = escaped(character)
    base = ["convert", "-background", "white", "-fill", "black", "-font", font,
            "-pointsize", str(size), "label:" + text]
    width, height = map(int, run(base + ["-format", "%w %h", "info:"]).stdout.split())
    grey = run(base + ["-depth", "8", "gray:-"]).stdout
    rows = []
    for y in range(height):
        line = grey[y * width:(y + 1) * width]
        rows.append("".join("%x" % round((255 - v) / 17) for v in line))
    return width, height, rows


def ink_rows(rows):
    inked = [i for i, row in enumerate(rows) if row.strip("0")]
    return inked[0], inked[-1]


def font_entry(font, size):
    glyphs = {}
    for character in CHARACTERS:
        width, height, rows = glyph_cell(font, size, character)
        glyphs[character] = (glyph_advance(font, size, character), rows)
    top, bottom = ink_rows(glyphs["0"][1])
    return {"height": height, "digit_top": top, "baseline": bottom + 1, "glyphs": glyphs}


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "glyph_atlas.py")
    with open(output, "w") as out:
        out.write('"""Glyph coverage (16 levels) and advances, made by make_glyph_atlas.py."""\n')
        out.write("# Generated from the DejaVu fonts (Bitstream Vera licence); do not edit.\n")
        out.write("FONTS = {\n")
        for name, (font, size) in FONTS.items():
            entry = font_entry(font, size)
            out.write("    %r: {\n" % name)
            for key in ("height", "digit_top", "baseline"):
                out.write("        %r: %d,\n" % (key, entry[key]))
            out.write("        'glyphs': {\n")
            for character, (advance, rows) in entry["glyphs"].items():
                out.write("            %r: (%d, %r),\n" % (character, advance, rows))
            out.write("        },\n    },\n")
        out.write("}\n")


if __name__ == "__main__":
    main()
