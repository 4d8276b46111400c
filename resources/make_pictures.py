#!/usr/bin/env python3
"""Generates the wizard's chart and pointer bitmaps and both programs' icons.

Chart bitmaps (440 x 440): the plot area is the square of pixels 20..420 on
both axes; chart coordinate (x, y), 0..1 on both axes, lies at pixel
    (20 + round(400 x), 420 - round(400 y))      round: half away from zero
of the bitmap, the same mapping with which the results window draws the
measured primaries and the target white over the bitmap it places at
(M, M). The curve grid uses the same square: input 0..255 runs along x and
output 0..65535 up y, both shown as 0.0..1.0.

  chromaticity_d65.bmp, _d50.bmp, _d75.bmp  24 bits: CIE 1931 x, y diagram
      with the spectrum locus filled with colour and the white point marked
  curves.bmp                                8 bits: grid for the lookup-table
      curves
  pointer_black/red/green/blue.bmp          24 bits, 13 x 11: gauge pointers,
      the tip at column 6 of row 0, on the bar's own colour (copied as is)
  prismoth.ico, velloran.ico                16, 32 and 48 pixels

Usage: make_pictures.py [--check] [FOLDER]
Writes the files into FOLDER (default: this script's folder); with --check
it writes nothing and exits 1 if a file there differs from what it would
write.
"""
import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from raster import (Canvas, bmp8, bmp24, circle_points, draw_text_anchored, ico_file,
                    polygon_mask, polyline_mask, union)
from cie_locus import LOCUS

CHART_SIZE = 440
PLOT_ORIGIN = 20  # pixel of chart coordinate 0 on x; pixel 420 is y = 0
PLOT_SCALE = 400  # pixels per unit of chart coordinate

FRAME = (44, 44, 48)
PLOT = (0, 0, 0)
GRID = (72, 72, 72)
PLOT_EDGE = (128, 128, 128)
AXIS_TEXT = (200, 200, 200)
TITLE_TEXT = (255, 255, 255)
WAVELENGTH_TEXT = (150, 150, 150)
LOCUS_BRIGHTNESS = 0.9  # brightest locus colour; leaves white overlays visible
GRID_SHADE_ON_LOCUS = 0.3  # how much a grid line darkens the colour under it

# Reference whites as the engine holds them (XYZ, Y = 100).
WHITES = {
    "d65": ("D65", (95.05, 100.0, 108.88)),
    "d50": ("D50", (96.42, 100.0, 82.49)),
    "d75": ("D75", (94.97, 100.0, 122.64)),
}
LABELLED_WAVELENGTHS = (470, 480, 490, 500, 510, 520, 530, 540, 550, 560, 570, 580,
                        590, 600, 620, 700)

BAR_COLOURS = {"black": (0, 0, 0), "red": (255, 0, 0), "green": (0, 255, 0),
               "blue": (0, 0, 255)}
POINTER_FILL = (128, 128, 128)
POINTER_OUTLINE = (255, 255, 255)


def round_half_away(value):
    return int(math.floor(abs(value) + 0.5)) * (1 if value >= 0 else -1)


def chart_pixel(x, y):
    """The pixel that the results window's mapping gives chart point (x, y)."""
    return (PLOT_ORIGIN + round_half_away(PLOT_SCALE * x),
            PLOT_ORIGIN + PLOT_SCALE - round_half_away(PLOT_SCALE * y))


def chart_point(x, y):
    """Chart point (x, y) in continuous canvas coordinates (pixel centres)."""
    return (PLOT_ORIGIN + 0.5 + PLOT_SCALE * x, PLOT_ORIGIN + PLOT_SCALE + 0.5 - PLOT_SCALE * y)


def grid_pixels():
    """Pixels 20, 60, ... 420: the grid lines every 0.1."""
    return [PLOT_ORIGIN + PLOT_SCALE * k // 10 for k in range(11)]


# Frame, grid and axis values, shared by both kinds of chart -----------------

def chart_frame(title):
    canvas = Canvas(CHART_SIZE, CHART_SIZE, FRAME)
    last = PLOT_ORIGIN + PLOT_SCALE
    canvas.fill_rect(PLOT_ORIGIN, PLOT_ORIGIN, last + 1, last + 1, PLOT)
    draw_text_anchored(canvas, CHART_SIZE // 2, PLOT_ORIGIN // 2, title, "title", TITLE_TEXT,
                       "centre")
    for k, position in enumerate(grid_pixels()):
        value = "%d.%d" % (k // 10, k % 10)
        draw_text_anchored(canvas, PLOT_ORIGIN - 3, last - (position - PLOT_ORIGIN), value,
                           "label", AXIS_TEXT, "right")
        draw_text_anchored(canvas, position, last + 10, value, "label", AXIS_TEXT, "centre")
    return canvas


def draw_grid(canvas, shade_mask=None):
    """Grid lines every 0.1; where shade_mask covers a pixel (the locus),
    the line darkens the colour there instead of painting grey."""
    first, last = PLOT_ORIGIN, PLOT_ORIGIN + PLOT_SCALE
    lines = grid_pixels()
    for position in lines:
        for t in range(first, last + 1):
            for x, y in ((position, t), (t, position)):
                edge = position in (first, last)
                draw_grid_pixel(canvas, x, y, PLOT_EDGE if edge else GRID, shade_mask)


def draw_grid_pixel(canvas, x, y, colour, shade_mask):
    coverage = shade_mask.get((x, y), 0) if shade_mask else 0
    under = canvas.get(x, y)
    shaded = [c * (1 - GRID_SHADE_ON_LOCUS) for c in under]
    canvas.set(x, y, [s * coverage + g * (1 - coverage) for s, g in zip(shaded, colour)])


# Chromaticity diagrams -------------------------------------------------------

def srgb_encode(linear):
    if linear <= 0.0031308:
        return 12.92 * linear
    return 1.055 * linear ** (1 / 2.4) - 0.055


def chromaticity_colour(x, y):
    """A display colour for chromaticity (x, y): its linear sRGB values,
    desaturated by adding white until none is negative, scaled so that
    the largest is LOCUS_BRIGHTNESS, then gamma-encoded."""
    y = max(y, 1e-4)
    X, Y, Z = x / y, 1.0, (1.0 - x - y) / y
    rgb = [3.2406 * X - 1.5372 * Y - 0.4986 * Z,
           -0.9689 * X + 1.8758 * Y + 0.0415 * Z,
           0.0557 * X - 0.2040 * Y + 1.0570 * Z]
    lowest = min(rgb)
    if lowest < 0:
        rgb = [c - lowest for c in rgb]
    highest = max(rgb)
    return [255 * srgb_encode(c / highest) * LOCUS_BRIGHTNESS for c in rgb]


LOCUS_SUBDIVISION = 4  # curve points per 5 nm step


def locus_polygon():
    """The spectrum locus, drawn as a Catmull-Rom curve through the tabulated
    points, closed by the purple line; in canvas coordinates."""
    knots = [chart_point(*LOCUS[w]) for w in sorted(LOCUS)]
    knots = [knots[0]] + knots + [knots[-1]]
    points = []
    for i in range(1, len(knots) - 2):
        p0, p1, p2, p3 = knots[i - 1:i + 3]
        for k in range(LOCUS_SUBDIVISION):
            points.append(catmull_rom(p0, p1, p2, p3, k / LOCUS_SUBDIVISION))
    return points + [knots[-1]]


def catmull_rom(p0, p1, p2, p3, t):
    return tuple(0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t * t +
                        (3 * b - a - 3 * c + d) * t * t * t)
                 for a, b, c, d in zip(p0, p1, p2, p3))


def fill_locus(canvas):
    mask = polygon_mask(locus_polygon())
    for (px, py), coverage in mask.items():
        x = (px - PLOT_ORIGIN) / PLOT_SCALE
        y = (PLOT_ORIGIN + PLOT_SCALE - py) / PLOT_SCALE
        canvas.blend(px, py, chromaticity_colour(x, y), coverage)
    return mask


def outward_normal(wavelength):
    """Unit vector, in canvas coordinates, across the locus at a wavelength,
    pointing away from the inside of the horseshoe."""
    before = chart_point(*LOCUS[max(wavelength - 5, 380)])
    after = chart_point(*LOCUS[min(wavelength + 5, 700)])
    tx, ty = after[0] - before[0], after[1] - before[1]
    length = math.hypot(tx, ty)
    # The locus runs counter-clockwise on the page (y down), so the
    # outside lies to the left of the direction of growing wavelength.
    return (ty / length, -tx / length)


def draw_wavelength_marks(canvas):
    """A short tick outside the locus and the wavelength in nm beside it,
    where the label stays inside the plot area."""
    ticks = []
    for wavelength in LABELLED_WAVELENGTHS:
        px, py = chart_point(*LOCUS[wavelength])
        nx, ny = outward_normal(wavelength)
        ax, ay = px + 9 * nx, py + 9 * ny
        align = "left" if nx > 0.4 else "right" if nx < -0.4 else "centre"
        ay += 4 * (1 if ny > 0.6 else -1 if ny < -0.6 else 0)
        if not label_fits(str(wavelength), ax, align):
            continue
        ticks.append(polyline_mask([(px + 1.5 * nx, py + 1.5 * ny),
                                    (px + 5.5 * nx, py + 5.5 * ny)], 1.0))
        draw_text_anchored(canvas, int(ax), int(ay), str(wavelength), "small",
                           WAVELENGTH_TEXT, align)
    canvas.paint(union(ticks), WAVELENGTH_TEXT)


def label_fits(text, x, align):
    from raster import text_width
    width = text_width(text, "small")
    left = {"left": x, "centre": x - width / 2, "right": x - width}[align]
    return left >= PLOT_ORIGIN + 2


def white_chromaticity(xyz):
    total = sum(xyz)
    return xyz[0] / total, xyz[1] / total


def draw_white_point(canvas, name, xyz):
    """A black cross centred on the white's pixel and its name and x, y."""
    x, y = white_chromaticity(xyz)
    cx, cy = chart_pixel(x, y)
    canvas.set(cx, cy, (0, 0, 0))
    for d in range(2, 6):
        for px, py in ((cx - d, cy), (cx + d, cy), (cx, cy - d), (cx, cy + d)):
            canvas.set(px, py, (0, 0, 0))
    draw_text_anchored(canvas, cx + 8, cy - 5, name, "title", (0, 0, 0))
    draw_text_anchored(canvas, cx + 8, cy + 7, "%.4f, %.4f" % (x, y), "small", (0, 0, 0))


def chromaticity_diagram(white):
    name, xyz = WHITES[white]
    canvas = chart_frame("CIE Chromaticity Diagram")
    draw_grid(canvas)
    locus = fill_locus(canvas)
    draw_grid(canvas, locus)
    draw_wavelength_marks(canvas)
    draw_text_anchored(canvas, CHART_SIZE - 6, CHART_SIZE - 10, "x", "label", AXIS_TEXT,
                       "centre")
    draw_text_anchored(canvas, PLOT_ORIGIN // 2, 7, "y", "label", AXIS_TEXT, "centre")
    draw_white_point(canvas, name, xyz)
    return bmp24(canvas)


# Curve grid -----------------------------------------------------------------

def curve_grid():
    """The grid for the lookup-table curves, with the identity line dotted."""
    canvas = chart_frame("Gamma Curves")
    draw_grid(canvas)
    for step in range(0, PLOT_SCALE + 1, 3):
        canvas.set(PLOT_ORIGIN + step, PLOT_ORIGIN + PLOT_SCALE - step, GRID)
    draw_text_anchored(canvas, CHART_SIZE - 6, CHART_SIZE - 10, "in", "small", AXIS_TEXT,
                       "centre")
    draw_text_anchored(canvas, PLOT_ORIGIN // 2, 7, "out", "small", AXIS_TEXT, "centre")
    return bmp8(canvas)


# Gauge pointers -------------------------------------------------------------

POINTER_WIDTH, POINTER_HEIGHT, POINTER_TIP = 13, 11, 6


def pointer_shape():
    """The arrow's pixels: a head widening by one pixel a side per row
    from the tip, then a shaft five pixels wide."""
    shape = set()
    for row in range(POINTER_HEIGHT):
        half = row if row <= 5 else 2
        for column in range(POINTER_TIP - half, POINTER_TIP + half + 1):
            shape.add((column, row))
    return shape


def pointer(bar):
    canvas = Canvas(POINTER_WIDTH, POINTER_HEIGHT, BAR_COLOURS[bar])
    shape = pointer_shape()
    for column, row in shape:
        neighbours = ((column - 1, row), (column + 1, row), (column, row - 1), (column, row + 1))
        inner = all(n in shape for n in neighbours) and row < POINTER_HEIGHT - 1
        canvas.set(column, row, POINTER_FILL if inner else POINTER_OUTLINE)
    return bmp24(canvas)


# Icons ----------------------------------------------------------------------

def rounded_square(size, radius):
    """A rounded square tile of the whole icon, one pixel inside its edge."""
    points = []
    corners = ((size - 1 - radius, 1 + radius, -90), (size - 1 - radius, size - 1 - radius, 0),
               (1 + radius, size - 1 - radius, 90), (1 + radius, 1 + radius, 180))
    for cx, cy, start in corners:
        for k in range(9):
            angle = math.radians(start + 90 * k / 8)
            points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def icon_tile(size, top, bottom):
    """A transparent canvas with a rounded tile shading from top to bottom."""
    canvas = Canvas(size, size, (0, 0, 0), alpha=0.0)
    mask = polygon_mask(rounded_square(size, size * 0.18))
    for (x, y), coverage in mask.items():
        t = y / (size - 1)
        canvas.blend(x, y, [a + (b - a) * t for a, b in zip(top, bottom)], coverage)
    return canvas


SPECTRUM = ((255, 40, 40), (255, 150, 0), (255, 230, 0), (40, 210, 60), (40, 120, 255),
            (150, 60, 230))


def prismoth_icon(size):
    """A prism splitting a white beam into the spectrum."""
    s = size / 48
    canvas = icon_tile(size, (40, 46, 66), (14, 16, 26))
    apex, left, right = (21 * s, 8 * s), (7 * s, 37 * s), (35 * s, 37 * s)
    entry, exit_point = (14 * s, 22.5 * s), (27.5 * s, 22 * s)
    canvas.paint(polyline_mask([(2 * s, 28 * s), entry], max(1.0, 2.2 * s)), (255, 255, 255))
    rays = SPECTRUM if size >= 32 else SPECTRUM[::2]
    for index, colour in enumerate(rays):
        t = index / (len(rays) - 1)
        end = (46 * s, (17 + 17 * t) * s)
        fan = [(exit_point[0], exit_point[1] - 1.2 * s + 2.4 * s * t), end,
               (end[0], end[1] + 17 * s / len(rays))]
        canvas.paint(polygon_mask(fan), colour)
    canvas.paint(polygon_mask([apex, left, right]), (170, 200, 230))
    canvas.paint(polygon_mask([apex, (21 * s, 37 * s), left]), (120, 150, 190))
    canvas.paint(polyline_mask([apex, left, right, apex], max(1.0, 1.6 * s)), (235, 245, 255))
    return canvas


def velloran_icon(size):
    """Three lookup-table curves, red, green and blue, over a grid."""
    s = size / 48
    canvas = icon_tile(size, (44, 48, 56), (16, 17, 22))
    low, high = 9 * s, 39 * s
    if size >= 32:
        for k in range(1, 4):
            position = low + (high - low) * k / 4
            canvas.paint(polyline_mask([(position, low), (position, high)], 1.0), (70, 74, 84))
            canvas.paint(polyline_mask([(low, position), (high, position)], 1.0), (70, 74, 84))
    canvas.paint(polyline_mask([(low, high), (low, low), (high, low), (high, high), (low, high)],
                               1.0), (110, 116, 128))
    for colour, exponent in (((255, 70, 70), 0.62), ((70, 230, 90), 0.8), ((80, 140, 255), 1.0)):
        points = [(low + (high - low) * i / 16,
                   high - (high - low) * (i / 16) ** exponent) for i in range(17)]
        canvas.paint(polyline_mask(points, max(1.2, 2.6 * s)), colour)
    return canvas


def icon(draw):
    return ico_file([draw(size) for size in (16, 32, 48)])


# Output ---------------------------------------------------------------------

def pictures():
    """File name -> bytes of every picture this script makes."""
    files = {"chromaticity_%s.bmp" % white: chromaticity_diagram(white) for white in WHITES}
    files["curves.bmp"] = curve_grid()
    for bar in BAR_COLOURS:
        files["pointer_%s.bmp" % bar] = pointer(bar)
    files["prismoth.ico"] = icon(prismoth_icon)
    files["velloran.ico"] = icon(velloran_icon)
    return files


def main(arguments):
    check = "--check" in arguments
    folders = [a for a in arguments if a != "--check"]
    folder = folders[0] if folders else os.path.dirname(os.path.abspath(__file__))
    differing = []
    for name, data in pictures().items():
        path = os.path.join(folder, name)
        if check:
            existing = open(path, "rb").read() if os.path.exists(path) else None
            if existing != data:
                differing.append(name)
        else:
            with open(path, "wb") as out:
                out.write(data)
    for name in differing:
        print("differs from its generator: %s" % name)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
