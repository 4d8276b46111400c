"""Drawing and file writing for the picture generators: an RGB canvas with
anti-aliased polygons, text from the committed glyph atlas, and writers for
the Windows bitmap (24 and 8 bits per pixel) and icon formats that the
resource compiler and LoadBitmap/LoadIcon take. Standard library only, and
no floating-point step whose result could differ between machines beyond
the last bit, so that the same script gives the same bytes everywhere.

Coordinates: pixel (i, j) covers the unit square [i, i+1) x [j, j+1), so its
centre is (i + 0.5, j + 0.5); y grows downwards.
"""
import math
import struct
import zlib

from glyph_atlas import FONTS

SUBROWS = 8  # vertical samples per pixel row when filling polygons


class Canvas:
    """Width x height pixels of (r, g, b) floats in 0..255, or with alpha."""

    def __init__(self, width, height, colour=(0, 0, 0), alpha=None):
        self.width, self.height = width, height
        self.pixels = [list(colour) for _ in range(width * height)]
        self.alpha = None if alpha is None else [alpha] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = list(colour)
            if self.alpha is not None:
                self.alpha[y * self.width + x] = 1.0

    def blend(self, x, y, colour, coverage):
        """Paints colour over pixel (x, y) with the given opacity 0..1."""
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        coverage = min(coverage, 1.0)
        index = y * self.width + x
        if self.alpha is None:
            old = self.pixels[index]
            self.pixels[index] = [o + (c - o) * coverage for o, c in zip(old, colour)]
            return
        self.blend_alpha(index, colour, coverage)

    def blend_alpha(self, index, colour, coverage):
        """Porter-Duff 'over' on a canvas with transparency (for icons)."""
        old, old_alpha = self.pixels[index], self.alpha[index]
        alpha = coverage + old_alpha * (1 - coverage)
        if alpha > 0:
            self.pixels[index] = [
                (c * coverage + o * old_alpha * (1 - coverage)) / alpha
                for o, c in zip(old, colour)
            ]
        self.alpha[index] = alpha

    def paint(self, mask, colour):
        """Blends colour through a coverage mask (a dict (x, y) -> 0..1)."""
        for (x, y), coverage in mask.items():
            self.blend(x, y, colour, coverage)

    def fill_rect(self, left, top, right, bottom, colour):
        """Fills the pixels left <= x < right, top <= y < bottom."""
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                self.set(x, y, colour)

    def byte_rgb(self, x, y):
        return tuple(max(0, min(255, int(c + 0.5))) for c in self.get(x, y))


def add_span(mask, row, left, right, weight):
    """Adds weight x the horizontal coverage of [left, right) to a mask row."""
    first, last = int(left // 1), int(right // 1)
    if first == last:
        mask[(first, row)] = mask.get((first, row), 0) + weight * (right - left)
        return
    mask[(first, row)] = mask.get((first, row), 0) + weight * (first + 1 - left)
    for x in range(first + 1, last):
        mask[(x, row)] = mask.get((x, row), 0) + weight
    if right > last:
        mask[(last, row)] = mask.get((last, row), 0) + weight * (right - last)


def polygon_mask(points):
    """Coverage of a closed polygon (even-odd rule): exact along each
    sampled line, SUBROWS sampled lines per pixel row."""
    mask = {}
    top = int(min(p[1] for p in points) // 1)
    bottom = int(max(p[1] for p in points) // 1) + 1
    edges = list(zip(points, points[1:] + points[:1]))
    for row in range(top, bottom):
        for sub in range(SUBROWS):
            y = row + (sub + 0.5) / SUBROWS
            crossings = sorted(
                x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                for (x0, y0), (x1, y1) in edges
                if (y0 <= y < y1) or (y1 <= y < y0)
            )
            for left, right in zip(crossings[0::2], crossings[1::2]):
                add_span(mask, row, left, right, 1.0 / SUBROWS)
    return {key: min(value, 1.0) for key, value in mask.items()}


def union(masks):
    """One mask whose coverage is the largest of the given masks'."""
    result = {}
    for mask in masks:
        for key, value in mask.items():
            if value > result.get(key, 0):
                result[key] = value
    return result


def segment_polygon(start, end, width):
    """The rectangle of a line segment of the given width, square caps."""
    (x0, y0), (x1, y1) = start, end
    length = ((x1 - x0) ** 2 + (y1 - y0) ** 2) ** 0.5
    if length == 0:
        return []
    dx, dy = (x1 - x0) / length * width / 2, (y1 - y0) / length * width / 2
    return [(x0 - dx - dy, y0 - dy + dx), (x1 + dx - dy, y1 + dy + dx),
            (x1 + dx + dy, y1 + dy - dx), (x0 - dx + dy, y0 - dy - dx)]


def polyline_mask(points, width):
    """Coverage of a stroked polyline; joints do not paint twice."""
    return union(polygon_mask(segment_polygon(a, b, width))
                 for a, b in zip(points, points[1:]) if a != b)


def circle_points(cx, cy, radius, count=48):
    """A circle as a polygon of count corners."""
    return [(cx + radius * math.cos(2 * math.pi * k / count),
             cy + radius * math.sin(2 * math.pi * k / count)) for k in range(count)]


def text_width(text, font):
    glyphs = FONTS[font]["glyphs"]
    return sum(glyphs[c][0] for c in text)


def draw_text(canvas, x, y, text, font, colour):
    """Draws text with the top of its glyph cells at row y."""
    glyphs = FONTS[font]["glyphs"]
    for character in text:
        advance, rows = glyphs[character]
        for dy, row in enumerate(rows):
            for dx, level in enumerate(row):
                canvas.blend(x + dx, y + dy, colour, int(level, 16) / 15)
        x += advance


def draw_text_anchored(canvas, x, y, text, font, colour, align="left"):
    """Draws text whose digit height is centred on row y; x is its left
    edge, centre or right edge as align says."""
    metrics = FONTS[font]
    width = text_width(text, font)
    left = {"left": x, "centre": x - width // 2, "right": x - width}[align]
    middle = (metrics["digit_top"] + metrics["baseline"]) // 2
    draw_text(canvas, left, y - middle, text, font, colour)


# Windows bitmap files ------------------------------------------------------

def bitmap_file(width, height, bits, palette, rows):
    """A BITMAPFILEHEADER + BITMAPINFOHEADER file from bottom-up rows of
    already packed pixel bytes (each padded to four bytes here)."""
    stride = (len(rows[0]) + 3) & ~3
    image = b"".join(row + b"\0" * (stride - len(row)) for row in rows)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image),
                       2835, 2835, len(palette), len(palette))
    return header + info + colours + image


def bmp24(canvas):
    """The canvas as a 24-bit bottom-up Windows bitmap file."""
    rows = []
    for y in reversed(range(canvas.height)):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b = canvas.byte_rgb(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row))
    return bitmap_file(canvas.width, canvas.height, 24, [], rows)


def bmp8(canvas):
    """The canvas as an 8-bit palette bitmap; it must use at most 256
    colours, which the palette then holds in order of first use."""
    palette, index = [], {}
    rows = []
    for y in reversed(range(canvas.height)):
        row = bytearray()
        for x in range(canvas.width):
            colour = canvas.byte_rgb(x, y)
            if colour not in index:
                index[colour] = len(palette)
                palette.append(colour)
            row.append(index[colour])
        rows.append(bytes(row))
    if len(palette) > 256:
        raise ValueError("%d colours do not fit an 8-bit bitmap" % len(palette))
    return bitmap_file(canvas.width, canvas.height, 8, palette, rows)


# Windows icon files --------------------------------------------------------

def icon_image(canvas):
    """One icon image: 32-bit BGRA (alpha for Windows XP and later) with an
    AND mask for the older systems, which ignore the alpha byte."""
    size = canvas.width
    pixels, mask_rows = [], []
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            alpha = canvas.alpha[y * size + x]
            r, g, b = canvas.byte_rgb(x, y)
            a = max(0, min(255, int(alpha * 255 + 0.5)))
            pixels.append(struct.pack("<BBBB", b, g, r, a))
            bits = bits << 1 | (1 if a < 128 else 0)
        mask_rows.append((bits << (mask_stride * 8 - size)).to_bytes(mask_stride, "big"))
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    return info + b"".join(pixels) + b"".join(mask_rows)


def ico_file(canvases):
    """An .ico file holding one 32-bit image per canvas (square sizes)."""
    images = [icon_image(canvas) for canvas in canvases]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        size = canvas.width % 256
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


# PNG reading (the source photograph) ---------------------------------------

def read_png_rgb(path):
    """(width, height, rows of (r, g, b) tuples) of an 8-bit RGB or RGBA,
    non-interlaced PNG file."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("%s is not a PNG file" % path)
    position, chunks, header = 8, [], None
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        body = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        position += 12 + length
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError("%s: only 8-bit RGB/RGBA non-interlaced PNG is read" % path)
    channels = 3 if colour_type == 2 else 4
    raw = zlib.decompress(b"".join(chunks))
    rows = unfilter_png(raw, width * channels, height, channels)
    return width, height, [[tuple(row[i:i + 3]) for i in range(0, len(row), channels)]
                           for row in rows]


def unfilter_png(raw, stride, height, step):
    """Undoes the five PNG row filters."""
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - step] if i >= step else 0
            up, corner = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                row[i] = (row[i] + paeth(left, up, corner)) & 255
        rows.append(row)
        previous = row
    return rows


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c
