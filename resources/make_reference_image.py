#!/usr/bin/env python3
"""Composes Velloran's reference image, reference.bmp: 400 x 338 pixels at
24 bits. On the left a colour photograph (skin tones, saturated colours and
dark detail), on the right a 13-step grey scale and a continuous grey ramp,
both from white at the top to black at the bottom, on which the user judges
the flat and the calibrated lookup tables.

The photograph is the portrait of astronaut Eileen Collins (NASA, public
domain) that Debian's python3-skimage ships as skimage/data/astronaut.png;
see README.md beside this script. It is needed only to run this script: the
composed bitmap is committed, so builds need neither the package nor this
script.

Usage: make_reference_image.py [ASTRONAUT_PNG] [OUTPUT_BMP]
"""
import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from raster import Canvas, bmp24, read_png_rgb

WIDTH, HEIGHT = 400, 338
PHOTO_WIDTH = 362  # photograph columns 0..361
GUTTER = 2  # black columns between photograph and grey scales
STEPS_LEFT, RAMP_LEFT = PHOTO_WIDTH + GUTTER, PHOTO_WIDTH + GUTTER + 18
GREY_STEPS = 13  # 26 pixels each: 255, 234, ... 21, 0
SOURCE_CROP_TOP = 8  # rows of the 512-row source dropped above the picture
DEFAULT_SOURCE = "/usr/lib/python3/dist-packages/skimage/data/astronaut.png"


def lanczos(x, lobes=3):
    if x == 0:
        return 1.0
    if abs(x) >= lobes:
        return 0.0
    px = math.pi * x
    return lobes * math.sin(px) * math.sin(px / lobes) / (px * px)


def resample_weights(source_size, target_size, source_offset=0.0, source_span=None):
    """For every target sample: [(source index, weight)] of a Lanczos-3
    filter widened by the reduction factor, weights summing to 1."""
    span = source_span if source_span is not None else source_size
    scale = span / target_size
    support = 3 * max(scale, 1.0)
    table = []
    for i in range(target_size):
        centre = source_offset + (i + 0.5) * scale - 0.5
        first, last = int(math.floor(centre - support)), int(math.ceil(centre + support))
        taps = [(min(max(j, 0), source_size - 1), lanczos((j - centre) / max(scale, 1.0)))
                for j in range(first, last + 1)]
        total = sum(w for _, w in taps)
        table.append([(j, w / total) for j, w in taps if w != 0])
    return table


def resample(rows, width, height, target_width, target_height, crop_top, crop_height):
    """Separable Lanczos resampling of rows of (r, g, b) tuples."""
    across = resample_weights(width, target_width)
    wide = [[tuple(sum(row[j][c] * w for j, w in taps) for c in range(3)) for taps in across]
            for row in rows]
    down = resample_weights(height, target_height, crop_top, crop_height)
    return [[tuple(sum(wide[j][x][c] * w for j, w in taps) for c in range(3))
             for x in range(target_width)] for taps in down]


def draw_photograph(canvas, source):
    width, height, rows = read_png_rgb(source)
    crop_height = width * HEIGHT / PHOTO_WIDTH
    photo = resample(rows, width, height, PHOTO_WIDTH, HEIGHT, SOURCE_CROP_TOP, crop_height)
    for y, row in enumerate(photo):
        for x, colour in enumerate(row):
            canvas.set(x, y, [max(0.0, min(255.0, c)) for c in colour])


def draw_grey_scales(canvas):
    step_height = HEIGHT // GREY_STEPS
    for y in range(HEIGHT):
        step = min(y // step_height, GREY_STEPS - 1)
        stepped = round(255 * (GREY_STEPS - 1 - step) / (GREY_STEPS - 1))
        ramp = round(255 * (HEIGHT - 1 - y) / (HEIGHT - 1))
        canvas.fill_rect(STEPS_LEFT, y, RAMP_LEFT, y + 1, (stepped,) * 3)
        canvas.fill_rect(RAMP_LEFT, y, WIDTH, y + 1, (ramp,) * 3)


def main(arguments):
    source = arguments[0] if arguments else DEFAULT_SOURCE
    output = arguments[1] if len(arguments) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "reference.bmp")
    canvas = Canvas(WIDTH, HEIGHT, (0, 0, 0))
    draw_photograph(canvas, source)
    draw_grey_scales(canvas)
    with open(output, "wb") as out:
        out.write(bmp24(canvas))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
