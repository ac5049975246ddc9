#!/usr/bin/env python3
"""Draws the tool-button pictures and the program icon and writes them as .bmp and .ico files.

The pictures are described on a 16-unit grid (the icon on a 32-unit grid) by filled rectangles and
polygons in the 16 standard colours, and rendered at every size the program picks for a system dpi.
Rectangle edges snap to whole pixels and outlines stay one pixel wide (two at twice the size), so a picture
drawn at 20 or 24 pixels is as sharp as the 16-pixel one instead of being a stretched copy.

The tool-button pictures of one size make one strip, src/res/pictures/toolbar_<size>.bmp: for each button,
in the tool bar's order (kToolButtons in src/shell/main_window_layout.cpp), its normal image and then the
embossed grey one for the disabled state, side by side. Magenta (not one of the colours used) marks the
transparent pixels.

Run it after changing a picture: python3 tools/pictures/make_pictures.py (it writes into src/res wherever
it is run from).
"""
import os
import struct

BLACK = (0, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 128, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)
SILVER = (192, 192, 192)
GRAY = (128, 128, 128)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
MAGENTA = (255, 0, 255)
AQUA = (0, 255, 255)
WHITE = (255, 255, 255)

# The standard 16-colour palette, in the order of the icon's colour table.
PALETTE = [BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
           GRAY, RED, LIME, YELLOW, BLUE, MAGENTA, AQUA, WHITE]

TRANSPARENT = MAGENTA
BUTTON_SIZES = [16, 20, 24, 32]  # matches kPictureSizes in src/forms/dpi_scaling.h
ICON_SIZES = [16, 32, 48]


class Canvas:
    def __init__(self, size, grid):
        self.size = size
        self.scale = size / grid
        # outlines one pixel wide at the design size, two at twice that
        self.line = max(1, size // grid)
        self.pixels = [[TRANSPARENT] * size for _ in range(size)]

    def edge(self, value):
        return int(round(value * self.scale))

    def rect(self, x0, y0, x1, y1, fill, outline=None):
        """A rectangle on the design grid; the outline is drawn inside its edges."""
        l, t, r, b = self.edge(x0), self.edge(y0), self.edge(x1), self.edge(y1)
        for y in range(max(t, 0), min(b, self.size)):
            for x in range(max(l, 0), min(r, self.size)):
                border = (x < l + self.line or x >= r - self.line or
                          y < t + self.line or y >= b - self.line)
                colour = outline if (outline is not None and border) else fill
                if colour is not None:
                    self.pixels[y][x] = colour

    def polygon(self, points, fill):
        """A filled polygon on the design grid, sampled at pixel centres."""
        pts = [(px * self.scale, py * self.scale) for px, py in points]
        for y in range(self.size):
            for x in range(self.size):
                if inside(pts, x + 0.5, y + 0.5):
                    self.pixels[y][x] = fill


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


# --- the pictures, on a 16 x 16 grid -----------------------------------------------------------------

def page(c):
    c.rect(3, 1, 12, 15, WHITE, BLACK)
    c.polygon([(9, 1), (12, 4), (9, 4)], SILVER)
    c.rect(5, 5, 10, 6, GRAY)
    c.rect(5, 7, 10, 8, GRAY)
    c.rect(5, 9, 8, 10, GRAY)


def draw_add(c):
    page(c)
    c.rect(9, 10, 16, 13, GREEN)
    c.rect(11, 8, 14, 15, GREEN)


def draw_remove(c):
    page(c)
    c.rect(8, 10, 16, 13, RED)


def draw_save(c):
    c.rect(1, 1, 15, 15, NAVY, BLACK)
    c.rect(4, 1, 12, 7, WHITE, BLACK)
    c.rect(9, 2, 11, 6, NAVY)
    c.rect(4, 10, 12, 15, SILVER, BLACK)


def draw_open(c):
    c.rect(1, 3, 7, 5, YELLOW, BLACK)
    c.rect(1, 4, 13, 14, YELLOW, BLACK)
    c.polygon([(4, 7), (16, 7), (13, 14), (1, 14)], OLIVE)
    c.rect(1, 13, 13, 14, BLACK)


def printer(c):
    c.rect(4, 1, 12, 6, WHITE, BLACK)
    c.rect(1, 6, 15, 12, SILVER, BLACK)
    c.rect(12, 8, 14, 9, LIME)
    c.rect(4, 10, 12, 15, WHITE, BLACK)
    c.rect(6, 12, 10, 13, GRAY)


def draw_print(c):
    printer(c)


def draw_select_printer(c):
    printer(c)
    c.polygon([(0, 0), (6, 4), (0, 8)], BLUE)


def draw_setup_printer(c):
    printer(c)
    # a gear in the top right corner: four teeth round a ring
    c.rect(12, 0, 14, 7, BLACK)
    c.rect(9.5, 2.5, 16.5, 4.5, BLACK)
    c.rect(10, 1, 16, 6, TEAL, BLACK)
    c.rect(12, 3, 14, 4, WHITE)


def draw_exit(c):
    c.rect(2, 1, 11, 15, MAROON, BLACK)
    c.rect(4, 3, 9, 13, OLIVE)
    c.rect(7, 7, 8, 9, YELLOW)
    c.rect(9, 7, 13, 9, RED)
    c.polygon([(12, 4), (16, 8), (12, 12)], RED)


# In the tool bar's order, which is the order of the images in a strip.
BUTTONS = [
    draw_add,
    draw_remove,
    draw_save,
    draw_open,
    draw_select_printer,
    draw_setup_printer,
    draw_print,
    draw_exit,
]


# --- the icon, on a 32 x 32 grid: a printer with a batch of pages -----------------------------------

def draw_icon(c):
    for offset in (0, 3, 6):
        c.rect(4 + offset, 1 + offset, 20 + offset, 15 + offset, WHITE, BLACK)
    c.rect(12, 10, 24, 11, GRAY)
    c.rect(12, 13, 22, 14, GRAY)
    c.rect(2, 16, 30, 26, SILVER, BLACK)
    c.rect(24, 19, 27, 21, LIME)
    c.rect(7, 22, 25, 31, WHITE, BLACK)
    c.rect(10, 25, 22, 26, BLUE)
    c.rect(10, 28, 19, 29, BLUE)


# --- file writers ------------------------------------------------------------------------------------

def luminance(colour):
    r, g, b = colour
    return (r * 30 + g * 59 + b * 11) // 100


def disabled(pixels):
    """The embossed grey image: dark pixels grey, with a white shadow one pixel down and right."""
    size = len(pixels)

    def dark(x, y):
        return 0 <= x < size and 0 <= y < size and pixels[y][x] != TRANSPARENT and luminance(pixels[y][x]) < 160

    out = [[TRANSPARENT] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if dark(x, y):
                out[y][x] = GRAY
            elif dark(x - 1, y - 1):
                out[y][x] = WHITE
    return out


def bmp24(rows):
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(data), 0, 0, 14 + len(header))
    return file_header + header + data


def icon_image(pixels):
    size = len(pixels)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, colour in enumerate(row):
            if colour == TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
                index = 0
            else:
                index = PALETTE.index(colour)
            if x % 2 == 0:
                line[x // 2] |= index << 4
            else:
                line[x // 2] |= index
        xor += line
        mask += bits
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    return header + palette + xor + mask


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, blob in images:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "res")
    folder = os.path.join(res, "pictures")
    os.makedirs(folder, exist_ok=True)
    for size in BUTTON_SIZES:
        rows = [[] for _ in range(size)]
        for draw in BUTTONS:
            c = Canvas(size, 16)
            draw(c)
            grey = disabled(c.pixels)
            for y in range(size):
                rows[y] += c.pixels[y] + grey[y]
        with open(os.path.join(folder, "toolbar_%d.bmp" % size), "wb") as f:
            f.write(bmp24(rows))
    images = []
    for size in ICON_SIZES:
        c = Canvas(size, 32)
        draw_icon(c)
        images.append((size, icon_image(c.pixels)))
    with open(os.path.join(res, "vantrel.ico"), "wb") as f:
        f.write(ico(images))


if __name__ == "__main__":
    main()
