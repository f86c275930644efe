#!/usr/bin/env python3
"""Draws the pictures of kelvo and admin and the demo CD, and writes them.

    art/make-artwork.py

writes, next to this script, each picture of the programs drawn at 100, 150
and 200 % (icons hold the sizes one after the other, 100 % first; a bitmap
or GIF has a file for each, NAME-150.EXT and NAME-200.EXT beside NAME.EXT):
    default-entry.bmp   16, 24, 32, 24 bit: a compact disc on grey C0C0C0
    wait.ico            32, 48, 64: a disc with an hourglass (wait window)
    kelvo.ico           16, 32, 48, then 20, 24, 40, 64: a disc with an arrow
                        (program icon)
    about.gif           99 x 227, 149 x 341, 198 x 454: the decorative
                        picture of the About box
    admin.ico           16, 32, 48, then 20, 24, 40, 64: a disc with a pencil
                        (the editor's icon)
    tb-new.ico          16, 24, 32: toolbar, a blank sheet with a star
    tb-open.ico         16, 24, 32: toolbar, an opened folder
    tb-save.ico         16, 24, 32: toolbar, a floppy disk
    tb-network.ico      16, 24, 32: toolbar, a drive on a network cable
    tb-help.ico         16, 24, 32: toolbar, a white i on a blue sign (About)
    sel-general.ico     24, 36, 48: page button "Allgemein", a form and a pencil
    sel-colors.ico      24, 36, 48: page button "Farben", a painter's palette
    sel-items.ico       24, 36, 48: page button "Einträge", a list with bullets
    sel-test.ico        24, 36, 48: page button "Test", a disc and a play sign
    tree-project.ico    16, 24, 32: tree, the project: a disc
    tree-item.ico       16, 24, 32: tree, an entry: a closed folder
    tree-item-open.ico  16, 24, 32: tree, the entry opened: an open folder
    tree-field.ico      16, 24, 32: tree, a field of an entry: a sheet with lines
    options-drive.ico   32, 48, 64: options, a folder on a hard disk (subst)
    wizard-side.bmp     97 x 233, 146 x 350, 194 x 466, 24 bit: along the left
                        of the drive wizard
    wizard-hint.ico     32, 48, 64: the drive wizard's note, a warning triangle
and the demo CD in ../demo/cd (at one size only): its project file kelvo.ini,
background tile, splash picture, entry icons, pictures and documents.

All icons are 32 bit with alpha and an AND mask. The toolbar and tree
pictures are drawn pixel by pixel, so they stay crisp at their size; at the
larger sizes their outlines stay one pixel wide and their parts are placed
on whole pixels, so they are crisp there too.

Only the standard library is used: the BMP, ICO and GIF writers are below.
The results are kept in the repository, so a build never needs Python; run
this script again after changing a drawing and commit what it wrote.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
DEMO = os.path.join(ROOT, "demo", "cd")


# ---------------------------------------------------------------- canvas ---

class Canvas:
    """RGBA pixels (colour 0..255, alpha 0..1) with anti-aliased layers."""

    def __init__(self, w, h, colour=(0, 0, 0), alpha=0.0):
        self.w, self.h = w, h
        self.px = [[colour[0], colour[1], colour[2], alpha] for _ in range(w * h)]

    def layer(self, shade, box=None, ss=4):
        """Paints shade(x, y) -> (r, g, b, a) or None over the canvas.

        shade is sampled ss x ss times in each pixel, so edges come out
        smooth. box = (x0, y0, x1, y1) limits the pixels visited.
        """
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        offsets = [(i + 0.5) / ss for i in range(ss)]
        n = ss * ss
        for py in range(y0, y1):
            for px in range(x0, x1):
                r = g = b = a = 0.0
                for oy in offsets:
                    for ox in offsets:
                        c = shade(px + ox, py + oy)
                        if c is not None:
                            ca = c[3] if len(c) > 3 else 1.0
                            r += c[0] * ca
                            g += c[1] * ca
                            b += c[2] * ca
                            a += ca
                if a <= 0.0:
                    continue
                src = (r / a, g / a, b / a)
                sa = a / n
                d = self.px[py * self.w + px]
                oa = sa + d[3] * (1.0 - sa)
                for k in range(3):
                    d[k] = (src[k] * sa + d[k] * d[3] * (1.0 - sa)) / oa
                d[3] = oa

    def rgb(self, x, y):
        p = self.px[y * self.w + x]
        return tuple(max(0, min(255, int(round(v)))) for v in p[:3])

    def alpha(self, x, y):
        return self.px[y * self.w + x][3]


# --------------------------------------------------------------- writers ---

def bmp_bytes(c):
    """A 24-bit uncompressed BMP, bottom-up."""
    stride = (c.w * 3 + 3) & ~3
    rows = []
    for y in range(c.h - 1, -1, -1):
        row = bytearray()
        for x in range(c.w):
            r, g, b = c.rgb(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + pixels


def png_bytes(c):
    """An opaque 24-bit PNG, for the larger drawings of a photo-like picture,
    which a BMP would hold at several times the size."""
    raw = bytearray()
    previous = bytes(3 * c.w)
    for y in range(c.h):
        row = b"".join(bytes(c.rgb(x, y)) for x in range(c.w))
        # filter Paeth: each byte less the guess from left, above, upper left
        raw.append(4)
        for i in range(len(row)):
            a = row[i - 3] if i >= 3 else 0
            b = previous[i]
            d = previous[i - 3] if i >= 3 else 0
            guess = a + b - d
            pa, pb, pd = abs(guess - a), abs(guess - b), abs(guess - d)
            predictor = a if pa <= pb and pa <= pd else (b if pb <= pd else d)
            raw.append((row[i] - predictor) & 255)
        previous = row

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", c.w, c.h, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


def ico_bytes(images):
    """An icon file of 32-bit images, each with its AND (transparency) mask."""
    blobs = []
    for c in images:
        xor = bytearray()
        for y in range(c.h - 1, -1, -1):
            for x in range(c.w):
                r, g, b = c.rgb(x, y)
                a = max(0, min(255, int(round(c.alpha(x, y) * 255))))
                if a == 0:
                    r = g = b = 0
                xor += bytes((b, g, r, a))
        mask_stride = ((c.w + 31) // 32) * 4
        mask = bytearray()
        for y in range(c.h - 1, -1, -1):
            row = bytearray(mask_stride)
            for x in range(c.w):
                if c.alpha(x, y) < 0.5:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0,
                           len(xor) + len(mask), 0, 0, 0, 0)
        blobs.append(info + bytes(xor) + bytes(mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def median_cut(colours, count):
    """Up to count palette colours for a {rgb: pixels} histogram."""
    boxes = [list(colours.items())]
    while len(boxes) < count:
        best, best_range, best_axis = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for axis in range(3):
                vals = [c[0][axis] for c in box]
                rng = max(vals) - min(vals)
                if rng > best_range:
                    best, best_range, best_axis = i, rng, axis
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda c: c[0][best_axis])
        total = sum(n for _, n in box)
        half, run, cut = total / 2, 0, 1
        for i, (_, n) in enumerate(box[:-1]):
            run += n
            if run >= half:
                cut = i + 1
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[k] * n for c, n in box) / total)) for k in range(3)))
    return palette


def lzw(indices, min_size):
    """GIF LZW compression of palette indices."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out = bytearray()
    acc = bits = 0
    size = min_size + 1

    def emit(code):
        nonlocal acc, bits
        acc |= code << bits
        bits += size
        while bits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            bits -= 8

    table, next_code = {}, end + 1
    emit(clear)
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix, k)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix)
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear)
            table, next_code, size = {}, end + 1, min_size + 1
        prefix = k
    emit(prefix)
    emit(end)
    if bits:
        out.append(acc & 0xFF)
    return bytes(out)


BAYER = [0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5]


def gif_bytes(c):
    """A GIF with one 256-colour (at most) global palette, no transparency.

    A light ordered dither keeps smooth gradients free of bands.
    """
    def pixel(x, y):
        d = (BAYER[(y % 4) * 4 + x % 4] - 7.5) * 0.8
        return tuple(max(0, min(255, v + int(round(d)))) for v in c.rgb(x, y))

    pixels = [pixel(x, y) for y in range(c.h) for x in range(c.w)]
    hist = {}
    for rgb in pixels:
        hist[rgb] = hist.get(rgb, 0) + 1
    palette = median_cut(hist, 256)
    nearest = {}
    for rgb in hist:
        nearest[rgb] = min(range(len(palette)), key=lambda i: sum(
            (palette[i][k] - rgb[k]) ** 2 for k in range(3)))
    indices = [nearest[rgb] for rgb in pixels]
    palette += [(0, 0, 0)] * (256 - len(palette))
    data = lzw(indices, 8)
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", c.w, c.h, 0xF7, 0, 0)
    for rgb in palette:
        out += bytes(rgb)
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, c.w, c.h, 0)
    out.append(8)
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out += b"\x00\x3B"
    return bytes(out)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", os.path.relpath(path, ROOT), len(data), "bytes")


def write_text(path, text):
    """Windows text: CRLF line ends, Windows-1252."""
    write(path, text.replace("\n", "\r\n").encode("cp1252"))


# ---------------------------------------------------------------- shapes ---

def mix(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def hue(h):
    """A soft rainbow colour for h in 0..1."""
    return tuple(127.5 + 127.5 * math.cos(2 * math.pi * (h - off)) for off in (0.0, 1 / 3, 2 / 3))


def disc(cx, cy, radius, hole=None, sheen=0.8, rim=(90, 92, 104), k=1.0):
    """A compact disc seen from above: silver with rainbow sheen, clear hub.

    A picture drawn k times its size passes k, so the rim keeps its width
    (never less than 0.6 pixels at 100 %) to the rest of the disc.
    """
    hole = radius * 0.2 if hole is None else hole
    edge = max(0.6, radius / k * 0.04) * k

    def shade(x, y):
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy)
        if d > radius or d < hole:
            return None
        if d > radius - edge or d < hole + edge * 0.7:
            return rim + (1.0,)
        t = d / radius
        ang = math.atan2(dy, dx)
        if t < 0.38:                      # clear plastic hub
            base = mix((206, 212, 222), (236, 240, 246), 0.5 + 0.5 * math.cos(ang + 0.8))
            return base + (1.0,)
        if t < 0.42:                      # the ring at the edge of the data area
            return (168, 172, 182, 1.0)
        # two bright sectors, where light falls, carry the rainbow
        light = 0.5 + 0.5 * math.cos(2 * (ang + 0.8))
        silver = mix((178, 182, 192), (242, 244, 248), light)
        colour = mix(silver, hue(ang / math.pi + t * 0.9), sheen * (0.12 + 0.5 * light))
        return colour + (1.0,)

    return shade, (cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1)


def polygon(points, colour):
    """A filled polygon (even-odd rule); colour may be a function of (x, y)."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]

    def shade(x, y):
        inside = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        if not inside:
            return None
        return colour(x, y) if callable(colour) else colour

    return shade, (min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1)


def rect(x0, y0, x1, y1, colour, radius=0.0):
    """A filled rectangle, with rounded corners when radius > 0."""
    def shade(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return None
        if radius > 0:
            qx = max(x0 + radius - x, 0, x - (x1 - radius))
            qy = max(y0 + radius - y, 0, y - (y1 - radius))
            if qx * qx + qy * qy > radius * radius:
                return None
        return colour(x, y) if callable(colour) else colour

    return shade, (x0 - 1, y0 - 1, x1 + 1, y1 + 1)


def circle(cx, cy, r, colour):
    def shade(x, y):
        if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
            return None
        return colour(x, y) if callable(colour) else colour

    return shade, (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1)


def ring(cx, cy, r, width, colour):
    """A thin circle line."""
    def shade(x, y):
        return colour if abs(math.hypot(x - cx, y - cy) - r) <= width / 2 else None

    return shade, (cx - r - width, cy - r - width, cx + r + width, cy + r + width)


def soft_shadow(cx, cy, rx, ry, strength):
    """A flat shadow on the ground, darkest in the middle."""
    def shade(x, y):
        d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
        return None if d > 1 else (0, 10, 20, strength * (1 - d))

    return shade, (cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1)


def line(x0, y0, x1, y1, width, colour):
    """A stroke with round ends."""
    def shade(x, y):
        vx, vy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * vx + (y - y0) * vy) / (vx * vx + vy * vy)))
        if math.hypot(x - x0 - t * vx, y - y0 - t * vy) > width / 2:
            return None
        return colour

    w = width / 2 + 1
    return shade, (min(x0, x1) - w, min(y0, y1) - w, max(x0, x1) + w, max(y0, y1) + w)


def sparkle(cx, cy, r, colour):
    """A four-pointed star."""
    def shade(x, y):
        dx, dy = abs(x - cx), abs(y - cy)
        if math.sqrt(dx) + math.sqrt(dy) > math.sqrt(r):
            return None
        fade = 1.0 - math.hypot(dx, dy) / r
        return colour + (max(0.0, min(1.0, 0.4 + fade)),)

    return shade, (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1)


# 5 x 7 letters, drawn as blocks.
GLYPHS = {
    " ": ["....."] * 7,
    "-": [".....", ".....", ".....", ".###.", ".....", ".....", "....."],
    "!": ["..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "i": ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    "k": ["#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."],
    "l": [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "m": [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#...#", "#...#"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
}


def text_width(text, scale):
    return int(math.floor((len(text) * 6 - 1) * scale + 0.5))


def block(d, scale):
    """The block of a letter's grid holding offset d from its start.

    Blocks begin on whole pixels, at their place rounded, so a scale like
    1.5 gives blocks of 2 and 1 pixels, each one crisp.
    """
    return int(math.ceil((math.floor(d) + 0.5) / scale)) - 1


def text(x0, y0, s, scale, colour):
    """Block letters, (x0, y0) on whole pixels; colour may be a function of (x, y)."""
    cells = set()
    for i, ch in enumerate(s):
        for row, bits in enumerate(GLYPHS[ch]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    cells.add((i * 6 + col, row))

    def shade(x, y):
        if x < x0 or y < y0:
            return None
        if (block(x - x0, scale), block(y - y0, scale)) not in cells:
            return None
        return colour(x, y) if callable(colour) else colour

    return shade, (x0 - 1, y0 - 1, x0 + text_width(s, scale) + 1, y0 + 7 * scale + 1)


def shadowed_text(c, x, y, s, scale, colour, shadow=(0, 0, 0, 0.55), depth=None):
    depth = max(1, int(scale) // 2) if depth is None else depth
    c.layer(*text(x + depth, y + depth, s, scale, shadow))
    c.layer(*text(x, y, s, scale, colour))


def paint(c, shape, ss=4):
    c.layer(shape[0], shape[1], ss)


def sprite(x0, y0, rows, colours):
    """Pixel art, one character a pixel; characters not in colours are clear.

    colours maps a character to (r, g, b, a) or to a function of (x, y), so a
    fill can carry a gradient. Painted with ss=1 every pixel comes out whole:
    the small toolbar and tree pictures are drawn this way to stay crisp.
    """
    def shade(x, y):
        row, col = int(y - y0), int(x - x0)
        if x < x0 or y < y0 or row >= len(rows) or col >= len(rows[row]):
            return None
        colour = colours.get(rows[row][col])
        if colour is None:
            return None
        return colour(x, y) if callable(colour) else colour

    return shade, (x0, y0, x0 + max(len(r) for r in rows), y0 + len(rows))


def along(x0, y0, x1, y1):
    """Maps (u, v) to the picture, u along the line from (x0, y0) to (x1, y1)
    and v across it; used for things lying at a slant, like a pencil."""
    n = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / n, (y1 - y0) / n

    def to(u, v):
        return (x0 + u * ux - v * uy, y0 + u * uy + v * ux)

    return to, n


def inset(points, d):
    """The polygon with every side moved inwards by d, corners kept sharp:
    the fill inside an outline d wide."""
    n = len(points)
    area = sum(points[i][0] * points[(i + 1) % n][1] - points[(i + 1) % n][0] * points[i][1]
               for i in range(n))
    side = 1.0 if area > 0 else -1.0
    lines = []
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        length = math.hypot(bx - ax, by - ay)
        nx, ny = -(by - ay) / length * side, (bx - ax) / length * side
        lines.append(((ax + nx * d, ay + ny * d), (bx - ax, by - ay)))
    out = []
    for i in range(n):
        (p, u), (q, v) = lines[i - 1], lines[i]
        t = ((q[0] - p[0]) * v[1] - (q[1] - p[1]) * v[0]) / (u[0] * v[1] - u[1] * v[0])
        out.append((p[0] + t * u[0], p[1] + t * u[1]))
    return out


class Pixels:
    """Pixel rows for sprite(), filled with rectangles of one character each."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.cells = [["."] * w for _ in range(h)]

    def fill(self, x0, y0, x1, y1, ch):
        """Sets the pixels x0 <= x < x1, y0 <= y < y1."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.cells[y][x] = ch

    def rows(self):
        return ["".join(r) for r in self.cells]


# ---------------------------------------------------------------- scales ---

# Every picture of the programs is drawn at 100, 150 and 200 %: a program at
# another display scale takes the nearest size at or above its need and makes
# it smaller. Each size is drawn anew from the shapes, not enlarged.
SCALES = (100, 150, 200)


def scaled(n, percent):
    """n pixels at percent, rounded as the programs round a size (like MulDiv:
    to the nearest pixel, a half up), so 97 x 233 is 146 x 350 at 150 %."""
    return (n * percent + 50) // 100


class Grid:
    """Maps coordinates of a picture at 100 % to one k times as large.

    g(v) only scales. g.edge(v) puts a straight edge on a pixel boundary, so
    a flat fill or a pixel-drawn part stays crisp; g.line(v, width) puts the
    middle of a line of whole pixels' width where it covers whole pixels.
    """

    def __init__(self, k):
        self.k = k

    def __call__(self, v):
        return v * self.k

    def edge(self, v):
        return int(math.floor(v * self.k + 0.5))

    def line(self, v, width):
        if width % 2:
            return math.floor(v * self.k) + 0.5
        return self.edge(v)


# -------------------------------------------------------- program pictures ---

def default_entry(size=16):
    c = Canvas(size, size, (0xC0, 0xC0, 0xC0), 1.0)
    k = size / 16.0
    paint(c, disc(8 * k, 8 * k, 7.5 * k, hole=1.6 * k, sheen=1.0, rim=(96, 96, 108), k=k), ss=6)
    return c


def hourglass(c, x, y, s):
    """An hourglass in a wooden frame; (x, y) is its top left, s its height."""
    w = s * 0.7
    wood = (150, 92, 40, 1.0)
    glass = (222, 236, 246, 0.92)
    sand = (236, 190, 70, 1.0)
    paint(c, polygon([(x + w * 0.15, y + s * 0.12), (x + w * 0.85, y + s * 0.12),
                      (x + w * 0.55, y + s * 0.5), (x + w * 0.85, y + s * 0.88),
                      (x + w * 0.15, y + s * 0.88), (x + w * 0.45, y + s * 0.5)], glass))
    paint(c, polygon([(x + w * 0.30, y + s * 0.30), (x + w * 0.70, y + s * 0.30),
                      (x + w * 0.5, y + s * 0.5)], sand))
    paint(c, polygon([(x + w * 0.5, y + s * 0.62), (x + w * 0.80, y + s * 0.86),
                      (x + w * 0.20, y + s * 0.86)], sand))
    paint(c, line(x + w * 0.5, y + s * 0.5, x + w * 0.5, y + s * 0.84, max(0.8, s * 0.05), sand))
    paint(c, rect(x, y, x + w, y + s * 0.12, wood, radius=s * 0.04))
    paint(c, rect(x, y + s * 0.88, x + w, y + s, wood, radius=s * 0.04))
    paint(c, rect(x + w * 0.04, y + s * 0.1, x + w * 0.13, y + s * 0.9, wood))
    paint(c, rect(x + w * 0.87, y + s * 0.1, x + w * 0.96, y + s * 0.9, wood))


def wait_icon(size=32):
    c = Canvas(size, size)
    k = size / 32.0
    paint(c, disc(13.5 * k, 13.5 * k, 13.2 * k, sheen=0.9, k=k))
    hourglass(c, 17 * k, 10 * k, 21.5 * k)
    return c


def program_icon(size):
    c = Canvas(size, size)
    k = size / 32.0
    paint(c, disc(14 * k, 14 * k, 13.6 * k, sheen=0.9), ss=6 if size < 32 else 4)
    # a green round badge with a white arrow: "start"
    paint(c, circle(23.2 * k, 23.2 * k, 8.6 * k, (30, 90, 30, 1.0)), ss=6)
    paint(c, circle(23.2 * k, 23.2 * k, 7.6 * k,
                    lambda x, y: mix((120, 220, 90), (30, 140, 40), (y / k - 15.6) / 15.2) + (1.0,)), ss=6)
    paint(c, polygon([(20.6 * k, 18.6 * k), (28.0 * k, 23.2 * k), (20.6 * k, 27.8 * k)],
                     (255, 255, 255, 1.0)), ss=6)
    return c


def about_picture(percent=100):
    """The About box shows this picture in a smaller box (1092 x 2772 twips,
    73 x 185 pixels at 96 DPI) that cuts it, with the calling window's icon
    near the top: the motifs sit in that top-left part, the glow behind the
    icon, and the rest of the picture continues the background."""
    w, h = scaled(99, percent), scaled(227, percent)
    g = Grid(percent / 100.0)
    cx = 36.5                               # the middle of the visible part
    top, middle, bottom = (18, 24, 72), (62, 34, 110), (14, 108, 128)

    def sky(x, y):
        x, y = x / g.k, y / g.k
        t = y / 185.0
        base = mix(top, middle, t / 0.55) if t < 0.55 else mix(middle, bottom, min(1.0, (t - 0.55) / 0.45))
        glow = math.exp(-((x - cx) ** 2 + (y - 30) ** 2) / 700.0)
        return mix(base, (120, 140, 220), 0.5 * glow) + (1.0,)

    c = Canvas(w, h)
    c.layer(sky, ss=1)
    for i in range(7):                      # light rays from the big disc
        a = -math.pi / 2 + (i - 3) * 0.36
        ex, ey = cx + math.cos(a) * 140, 112 + math.sin(a) * 140
        paint(c, polygon([(g(cx), g(112)), (g(ex - 5), g(ey)), (g(ex + 5), g(ey))],
                         (180, 200, 255, 0.10)), ss=2)
    paint(c, circle(g(cx + 1), g(114.5), g(31), (0, 0, 20, 0.35)), ss=3)       # shadow
    paint(c, disc(g(cx), g(112), g(30.5), sheen=0.95, k=g.k), ss=3)
    paint(c, disc(g(13), g(68), g(9), sheen=0.9, k=g.k), ss=4)
    paint(c, disc(g(62), g(76), g(6), sheen=0.9, k=g.k), ss=4)
    for x, y, r in ((60, 50, 4), (9, 96, 3), (66, 140, 3.5), (7, 150, 3), (50, 182, 3),
                    (86, 28, 4), (90, 110, 3), (88, 196, 5), (14, 212, 4), (62, 218, 3)):
        paint(c, sparkle(g(x), g(y), g(r), (255, 255, 235)))
    gold = lambda x, y: mix((255, 236, 140), (230, 150, 40), ((y / g.k - 152) % 21) / 21) + (1.0,)
    big, small, depth = g(3), g(1), max(1, int(g.k))
    shadowed_text(c, int(g(cx) - text_width("98", big) / 2.0), g.edge(152), "98", big, gold, depth=depth)
    shadowed_text(c, (w - text_width("PAVONEL", small)) // 2, g.edge(200), "PAVONEL", small, gold,
                  depth=depth)
    return c


# --------------------------------------------------------- editor pictures ---

INK = (0, 0, 0, 1.0)
PAPER = (255, 255, 255, 1.0)
CREASE = (128, 128, 128, 1.0)
FLAP = (208, 208, 208, 1.0)


def vertical(top, bottom, y0, y1, alpha=1.0):
    """A colour function running from top at y0 to bottom at y1."""
    return lambda x, y: mix(top, bottom, max(0.0, min(1.0, (y - y0) / float(y1 - y0)))) + (alpha,)


def sheet_rows(w, h, fold):
    """A sheet of paper with its top right corner folded over, as pixel rows:
    k outline, w paper, g the crease, f the folded-over flap."""
    rows = []
    corner = w - 1 - fold
    for y in range(h):
        row = ""
        for x in range(w):
            if x > corner + y and y < fold:         # cut away by the fold
                row += "."
            elif y == 0 or x == 0 or y == h - 1 or x == w - 1 or x == corner + y:
                row += "k"
            elif x == corner and y <= fold + 1 or y == fold + 1 and x >= corner:
                row += "g"
            elif x > corner and y <= fold:
                row += "f"
            else:
                row += "w"
        rows.append(row)
    return rows


def sheet(g, x0, y0, x1, y1, fold):
    """A sheet of paper from (x0, y0) to (x1, y1), its corner folded over by
    fold, on whole pixels with lines one pixel wide at every size."""
    left, top = g.edge(x0), g.edge(y0)
    return sprite(left, top, sheet_rows(g.edge(x1) - left, g.edge(y1) - top, g.edge(fold)),
                  {"k": INK, "w": PAPER, "g": CREASE, "f": FLAP})


def thickness(g):
    """The width of lines one pixel wide at 100 % that grow with the picture,
    like lines of text: one pixel at 150 % too, two at 200 %."""
    return max(1, int(g.k))


STAR_INK, STAR_GOLD, STAR_LIGHT = (112, 64, 0, 1.0), (255, 216, 0, 1.0), (255, 255, 200, 1.0)


def new_sheet_icon(size=16):
    """A blank sheet with a star: a new project."""
    c = Canvas(size, size)
    g = Grid(size / 16.0)
    paint(c, sheet(g, 4, 1, 14, 15, 3), ss=1)
    if size == 16:                          # this small a smooth star only blurs
        star = ["....k....",
                "...kyk...",
                "...kyk...",
                ".kkyyykk.",
                "kyyywyyyk",
                ".kkyyykk.",
                "...kyk...",
                "...kyk...",
                "....k...."]
        paint(c, sprite(0, 0, star, {"k": STAR_INK, "y": STAR_GOLD, "w": STAR_LIGHT}), ss=1)
        return c
    cx = cy = g.line(4.5, 1)
    r, a = g(4.5), g(1.5)
    points = [(cx, cy - r), (cx + a, cy - a), (cx + r, cy), (cx + a, cy + a),
              (cx, cy + r), (cx - a, cy + a), (cx - r, cy), (cx - a, cy - a)]
    paint(c, polygon(points, STAR_INK), ss=6)
    paint(c, polygon(inset(points, 1.0), STAR_GOLD), ss=6)
    paint(c, circle(cx, cy, g(0.8), STAR_LIGHT), ss=6)
    return c


FOLDER_INK = (64, 40, 0, 1.0)


def folder_rows(size, opened):
    """A folder's pixel rows at size x size, its lines one pixel wide: k the
    outline, l a light edge, y the back in shadow, L the front's top edge,
    Y the front, d its shaded edges. An open one shows its front flap
    tipped forwards."""
    g = Grid(size / 16.0)
    p = Pixels(size, size)
    tab_top, top, bottom, tab = g.edge(2), g.edge(3), g.edge(14), g.edge(6)
    p.fill(1, tab_top, tab - 1, tab_top + 1, "k")          # the tab, its corners cut
    p.fill(0, tab_top + 1, tab, top + 1, "k")
    p.fill(1, tab_top + 1, tab - 1, top + 1, "l")
    if not opened:
        right, front = g.edge(15), g.edge(5)
        p.fill(tab - 1, top, right, top + 1, "k")
        p.fill(0, top + 1, right, bottom, "k")
        p.fill(1, top + 1, right - 1, front, "y")
        p.fill(1, front, right - 1, front + 1, "L")
        p.fill(1, front + 1, right - 1, bottom - 1, "d")
        p.fill(1, front + 1, 2, bottom - 2, "l")
        p.fill(2, front + 1, right - 2, bottom - 2, "Y")
        return p.rows()
    right, front, width = g.edge(12), g.edge(6), g.edge(11)
    p.fill(tab - 1, top, right, top + 1, "k")              # the back
    p.fill(0, top + 1, 1, bottom, "k")
    p.fill(right - 1, top + 1, right, front, "k")
    p.fill(1, top + 1, 2, bottom - 1, "l")
    p.fill(2, top + 1, right - 1, bottom - 1, "y")
    for y in range(front, bottom):                         # the flap, leaning 1 in 2
        x = int(math.floor(g(4) - (y - front) / 2.0))
        inner = "k" if y in (front, bottom - 1) else "L" if y == front + 1 else "Y"
        p.fill(x, y, x + width, y + 1, "k")
        p.fill(x + 1, y, x + width - 1, y + 1, inner)
    return p.rows()


def folder_icon(opened, size=16):
    """A yellow folder, open or closed."""
    c = Canvas(size, size)
    g = Grid(size / 16.0)
    paint(c, sprite(0, 0, folder_rows(size, opened), {
        "k": FOLDER_INK,
        "l": (255, 248, 200, 1.0),                  # light edge
        "y": (222, 170, 40, 1.0),                   # the back, in shadow
        "L": (255, 244, 170, 1.0),                  # the front's top edge
        "Y": vertical((255, 226, 100), (238, 180, 36), g(5), g(13)),
        "d": (196, 140, 20, 1.0)}), ss=1)
    return c


def floppy_rows(size):
    """A 3.5 inch disk's pixel rows: k outline and the shutter's slot, b the
    case, m the metal shutter, w the label, r lines on it."""
    g = Grid(size / 16.0)
    p = Pixels(size, size)
    left, top, right, bottom = g.edge(1), g.edge(1), g.edge(15), g.edge(15)
    p.fill(left, top, right, bottom, "k")
    p.fill(left + 1, top + 1, right - 1, bottom - 1, "b")
    cut = g.edge(2) - g.edge(1)                             # the corner cut at the top right
    for i in range(cut):
        p.fill(right - cut + i - 1, top + i, right - cut + i, top + i + 1, "k")
        p.fill(right - cut + i, top + i, right, top + i + 1, ".")
    p.fill(g.edge(4), top + 1, g.edge(11), g.edge(6), "m")
    p.fill(g.edge(9), top + 1, g.edge(10), g.edge(5), "k")
    p.fill(g.edge(3), g.edge(7), g.edge(13), bottom - 1, "w")
    for y in (8, 10):
        p.fill(g.edge(4), g.edge(y), g.edge(12), g.edge(y) + thickness(g), "r")
    return p.rows()


def floppy_icon(size=16):
    """A 3.5 inch disk: save."""
    c = Canvas(size, size)
    g = Grid(size / 16.0)
    paint(c, sprite(0, 0, floppy_rows(size), {
        "k": INK, "w": PAPER,
        "b": vertical((70, 96, 170), (30, 44, 110), g(1), g(15)),
        "m": vertical((236, 236, 236), (168, 168, 176), g(2), g(6)),
        "r": (112, 136, 200, 1.0)}), ss=1)
    return c


def network_drive_rows(size):
    """A drive on a network cable, as pixel rows: k outline, w the drive's
    lit top, s its face, d its shaded edges and slot, G its light, c and C
    the cable's light and dark side."""
    g = Grid(size / 16.0)
    p = Pixels(size, size)
    left, top, right, bottom = g.edge(1), g.edge(2), g.edge(15), g.edge(9)
    p.fill(left + 1, top, right - 1, bottom, "k")          # the drive, its corners cut
    p.fill(left, top + 1, right, bottom - 1, "k")
    p.fill(left + 1, top + 1, right - 1, top + 2, "w")
    p.fill(left + 1, top + 2, right - 1, bottom - 1, "d")
    p.fill(left + 1, top + 2, right - 2, bottom - 2, "s")
    slot = g.edge(5)
    p.fill(g.edge(3), slot, g.edge(9), slot + g.edge(1), "d")
    p.fill(g.edge(11), slot, g.edge(11) + g.edge(1), slot + g.edge(1), "G")
    x0, x1, y0, y1 = g.edge(6), g.edge(10), g.edge(11), g.edge(15)
    middle = (x0 + x1) // 2
    p.fill(0, y0, size, y1, "k")                           # the cable along the bottom
    p.fill(0, y0 + 1, size, (y0 + y1) // 2, "c")
    p.fill(0, (y0 + y1) // 2, size, y1 - 1, "C")
    p.fill(x0, bottom, x1, y0 + 1, "k")                    # and up to the drive
    p.fill(x0 + 1, bottom, middle, y0 + 1, "c")
    p.fill(middle, bottom, x1 - 1, y0 + 1, "C")
    return p.rows()


def network_drive_icon(size=16):
    """A drive hanging on a network cable: give a folder a drive letter."""
    c = Canvas(size, size)
    paint(c, sprite(0, 0, network_drive_rows(size), {
        "k": INK, "w": (244, 244, 244, 1.0), "s": (200, 200, 204, 1.0),
        "d": (128, 128, 136, 1.0), "G": (0, 230, 0, 1.0),
        "c": (96, 220, 220, 1.0), "C": (0, 128, 140, 1.0)}), ss=1)
    return c


def round_sign(size, rim, light, dark):
    """A round sign of the 16 px grid scaled to size: a rim, inside it a
    shade from light (top left) to dark; gives the canvas and its grid."""
    c = Canvas(size, size)
    g = Grid(size / 16.0)
    paint(c, circle(g(8), g(8), g(7.6), rim + (1.0,)), ss=6)
    paint(c, circle(g(8), g(8), g(7.6) - 1.0, lambda x, y: mix(light, dark,
                                                               (x / g.k + y / g.k - 4) / 20.0) + (1.0,)), ss=6)
    return c, g


def info_icon(size=16):
    """A white i on a blue round sign: About."""
    c, g = round_sign(size, (0, 24, 96), (110, 170, 255), (16, 64, 190))
    # the i on whole pixels: its stem an even width, in the middle
    half, t = max(1, g.edge(1)), thickness(g)
    x0, x1 = g.edge(8) - half, g.edge(8) + half
    p = Pixels(size, size)
    p.fill(x0, g.edge(3), x1, g.edge(5), "w")
    p.fill(x0 - half, g.edge(6), x1, g.edge(6) + t, "w")
    p.fill(x0, g.edge(6), x1, g.edge(12), "w")
    p.fill(x0 - half, g.edge(12) - t, x1 + half, g.edge(12), "w")
    paint(c, sprite(0, 0, p.rows(), {"w": PAPER}), ss=1)
    return c


def fault_icon(size=16):
    """A white cross on a red round sign: a fault the disc check found."""
    c, g = round_sign(size, (110, 0, 0), (255, 120, 110), (196, 16, 16))
    width = max(1.6, 2.2 * g.k)
    paint(c, line(g(5), g(5), g(11), g(11), width, PAPER + (1.0,)), ss=6)
    paint(c, line(g(11), g(5), g(5), g(11), width, PAPER + (1.0,)), ss=6)
    return c


def caution_icon(size=16):
    """A dark ! on an amber round sign: a hint the disc check found."""
    c, g = round_sign(size, (128, 80, 0), (255, 232, 130), (232, 150, 0))
    half = max(1, g.edge(1))
    x0, x1 = g.edge(8) - half, g.edge(8) + half
    p = Pixels(size, size)
    p.fill(x0, g.edge(3), x1, g.edge(10), "k")
    p.fill(x0, g.edge(11) + half // 2, x1, g.edge(13), "k")
    paint(c, sprite(0, 0, p.rows(), {"k": INK}), ss=1)
    return c


def field_icon(size=16):
    """A small sheet with lines of text: one field of an entry."""
    c = Canvas(size, size)
    g = Grid(size / 16.0)
    paint(c, sheet(g, 3, 1, 13, 15, 3), ss=1)
    for y, x1 in ((6, 10), (8, 11), (10, 11), (12, 9)):
        paint(c, rect(g.edge(5), g.edge(y), g.edge(x1), g.edge(y) + thickness(g), (40, 72, 180, 1.0)), ss=1)
    return c


def project_icon(size=16):
    """The project in the tree: a compact disc."""
    c = Canvas(size, size)
    k = size / 16.0
    paint(c, disc(8 * k, 8 * k, 7.5 * k, hole=1.6 * k, sheen=1.0, rim=(64, 64, 76), k=k), ss=6)
    return c


# The four page buttons show a 24 x 24 picture each, centred in the button.

def form_picture(size=24):
    """Allgemein: a form with lines, and a pencil to fill it in."""
    c = Canvas(size, size)
    g = Grid(size / 24.0)
    paint(c, sheet(g, 2, 1, 18, 23, 4), ss=1)
    t = thickness(g)
    for y, x1 in ((7, 11), (10, 14), (13, 12), (16, 14), (19, 9)):
        y0 = g.edge(y)
        paint(c, rect(g.edge(5), y0, g.edge(7), y0 + t, (40, 40, 40, 1.0)), ss=1)          # label
        paint(c, rect(g.edge(8), y0, g.edge(x1), y0 + t, (40, 72, 180, 1.0)), ss=1)        # its value
    pencil(c, g(12), g(22), g(22), g(10), g(4.4))
    return c


def paint_palette_picture(size=24):
    """Farben: a painter's palette with five colours."""
    c = Canvas(size, size)
    k = size / 24.0
    cx, cy, rx, ry = 12 * k, 12.5 * k, 11.2 * k, 9.4 * k
    nx, ny, nr = 17.6 * k, 21.6 * k, 4.2 * k     # the notch for the fingers
    hx, hy, hr = 15.6 * k, 15.4 * k, 1.7 * k     # the thumb hole

    def board(grow, colour):
        grow *= k
        def shade(x, y):
            dx, dy = (x - cx) / (rx + grow - k), (y - cy) / (ry + grow - k)
            if dx * dx + dy * dy > 1:
                return None
            if math.hypot(x - nx, y - ny) < nr - grow or math.hypot(x - hx, y - hy) < hr - grow:
                return None
            return colour(x, y) if callable(colour) else colour
        return shade, (0, 0, size, size)

    paint(c, board(1, (70, 40, 10, 1.0)), ss=6)
    paint(c, board(0, lambda x, y: mix((246, 214, 160), (200, 140, 70), (x / k + y / k - 6) / 30.0) + (1.0,)),
          ss=6)
    for x, y, colour in ((5.5, 12.5, (220, 20, 20)), (7.5, 7, (250, 214, 0)), (12.5, 5.2, (30, 170, 40)),
                         (17.6, 7, (30, 80, 230)), (19.2, 12, (255, 255, 255))):
        paint(c, circle(x * k, y * k, 2.5 * k, (40, 30, 20, 1.0)), ss=6)
        paint(c, circle(x * k, y * k, 1.75 * k, colour + (1.0,)), ss=6)
    return c


def bullet_list_picture(size=24):
    """Einträge: a list, one bullet a line."""
    c = Canvas(size, size)
    g = Grid(size / 24.0)
    x0, y0, x1, y1 = g.edge(1), g.edge(1), g.edge(23), g.edge(24)
    paint(c, rect(x0, y0, x1, y1, INK), ss=1)
    paint(c, rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, PAPER), ss=1)
    for i, (colour, right) in enumerate((((220, 30, 30), 19), ((30, 160, 40), 17),
                                         ((30, 80, 230), 20), ((240, 170, 0), 15))):
        y = 3 + 5 * i
        paint(c, circle(g(6), g(y + 2), g(2.2), mix(colour, (0, 0, 0), 0.45) + (1.0,)), ss=6)
        paint(c, circle(g(6), g(y + 2), g(1.4), colour + (1.0,)), ss=6)
        paint(c, rect(g.edge(10), g.edge(y + 1), g.edge(right), g.edge(y + 3), (40, 40, 60, 1.0)), ss=1)
    return c


def test_picture(size=24):
    """Test: a compact disc and a green play sign."""
    c = Canvas(size, size)
    g = Grid(size / 24.0)
    paint(c, disc(g(9.5), g(9.5), g(9.2), sheen=0.95, rim=(64, 64, 76), k=g.k), ss=6)
    play = [(g(13), g(12.5)), (g(21.2), g(17.2)), (g(13), g(21.9))]
    paint(c, rounded_triangle(play, g(1.6), (0, 70, 0, 1.0)), ss=6)
    paint(c, rounded_triangle(play, g(0.4), vertical((150, 240, 110), (20, 150, 30), g(12), g(22))), ss=6)
    return c


def rounded_triangle(points, radius, colour):
    """The points within radius of the triangle: one with round corners."""
    def shade(x, y):
        inside = True
        best = float("inf")
        for i in range(3):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % 3]
            ox, oy = points[(i + 2) % 3]
            side = (bx - ax) * (y - ay) - (by - ay) * (x - ax)
            if side * ((bx - ax) * (oy - ay) - (by - ay) * (ox - ax)) < 0:
                inside = False
            vx, vy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
            best = min(best, math.hypot(x - ax - t * vx, y - ay - t * vy))
        if not inside and best > radius:
            return None
        return colour(x, y) if callable(colour) else colour

    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return shade, (min(xs) - radius - 1, min(ys) - radius - 1, max(xs) + radius + 1, max(ys) + radius + 1)


def hint_icon(size=32):
    """A yellow warning triangle with an exclamation mark."""
    c = Canvas(size, size)
    g = Grid(size / 32.0)
    corners = [(g(16), g(4)), (g(28.5), g(27)), (g(3.5), g(27))]
    paint(c, rounded_triangle(corners, g(2.6), (60, 40, 0, 1.0)), ss=6)
    paint(c, rounded_triangle(corners, g(1.4), vertical((255, 240, 120), (240, 190, 0), g(4), g(28))), ss=6)
    left, right = g.edge(14), g.edge(18)
    paint(c, rect(left, g.edge(10), right, g.edge(17), INK, radius=g(1.2)), ss=6)
    paint(c, polygon([(left, g.edge(16)), (right, g.edge(16)), (g(17), g(21)), (g(15), g(21))], INK), ss=6)
    paint(c, rect(left, g.edge(23), right, g.edge(27), INK, radius=g(1.6)), ss=6)
    return c


def box3d(c, x, y, w, h, d, front, top, side, edge, width=1.0, ss=4):
    """A box seen a little from above and the right: the front face is w x h
    with its top left at (x, y + d), the top and right faces d deep."""
    paint(c, rect(x, y + d, x + w, y + d + h, front), ss)
    paint(c, polygon([(x, y + d), (x + d, y), (x + w + d, y), (x + w, y + d)], top), ss)
    paint(c, polygon([(x + w, y + d), (x + w + d, y), (x + w + d, y + h), (x + w, y + d + h)], side), ss)
    for x0, y0, x1, y1 in ((x, y + d, x + d, y), (x + d, y, x + w + d, y), (x + w + d, y, x + w + d, y + h),
                           (x + w + d, y + h, x + w, y + d + h), (x + w, y + d + h, x, y + d + h),
                           (x, y + d + h, x, y + d), (x, y + d, x + w, y + d), (x + w, y + d, x + w + d, y),
                           (x + w, y + d, x + w, y + d + h)):
        paint(c, line(x0, y0, x1, y1, width, edge), ss)


def hard_disk(c, x, y, w, h, d, width=1.0, ss=4):
    """A grey hard-disk drive with its green light."""
    box3d(c, x, y, w, h, d, vertical((214, 214, 220), (150, 150, 160), y + d, y + d + h),
          (240, 240, 244, 1.0), (120, 120, 132, 1.0), (30, 30, 40, 1.0), width, ss)
    my = y + d + h * 0.5
    paint(c, line(x + w * 0.12, my, x + w * 0.55, my, max(1.0, h * 0.12), (90, 90, 100, 1.0)), ss)
    r = max(1.0, h * 0.13)
    paint(c, circle(x + w * 0.82, my, r + width * 0.6, (0, 60, 0, 1.0)), ss)
    paint(c, circle(x + w * 0.82, my, r, (60, 255, 60, 1.0)), ss)


def folder(c, x, y, w, h, width=1.0, ss=4):
    """A closed yellow folder, w x h with its tab."""
    edge = (64, 40, 0, 1.0)
    t = h * 0.18
    paint(c, rect(x, y, x + w * 0.42, y + t * 2, edge, radius=width), ss)
    paint(c, rect(x + width, y + width, x + w * 0.42 - width, y + t * 2, (222, 170, 40, 1.0),
                  radius=width * 0.6), ss)
    paint(c, rect(x, y + t, x + w, y + h, edge), ss)
    paint(c, rect(x + width, y + t + width, x + w - width, y + h - width, (222, 170, 40, 1.0)), ss)
    paint(c, rect(x, y + t * 1.8, x + w, y + h, edge), ss)
    paint(c, rect(x + width, y + t * 1.8 + width, x + w - width, y + h - width,
                  vertical((255, 232, 120), (236, 178, 30), y + t * 1.8, y + h)), ss)


def wizard_picture(percent=100):
    """The narrow picture at the left of the drive wizard: a disc above a
    drive, joined by a dotted arc, on deep blue running down to teal."""
    w, h = scaled(97, percent), scaled(233, percent)
    g = Grid(percent / 100.0)
    top, bottom = (10, 22, 92), (6, 128, 132)
    cx, cy = 50.5, 70.5

    def sky(x, y):
        x, y = x / g.k, y / g.k
        base = mix(top, bottom, y / 233.0)
        glow = math.exp(-((x - cx) ** 2 + (y - cy) ** 2) / 1800.0)
        return mix(base, (110, 150, 230), 0.45 * glow) + (1.0,)

    c = Canvas(w, h)
    c.layer(sky, ss=1)
    for i in range(9):                      # rings around the disc, fading out
        paint(c, ring(g(cx), g(cy), g(42 + i * 9), g(1.2), (190, 220, 255, 0.10 * (1 - i / 9.0))), ss=2)
    paint(c, circle(g(cx + 2), g(cy + 3), g(35), (0, 0, 20, 0.35)), ss=3)      # shadow
    paint(c, disc(g(cx), g(cy), g(34.5), sheen=0.95, k=g.k), ss=3)
    # dots on a curve from the disc down to the drive, ending in an arrow
    (ax, ay), (bx, by), (ex, ey) = (40, 108), (14, 136), (36, 164)
    for i in range(10):
        t = i / 10.0
        x = (1 - t) ** 2 * ax + 2 * t * (1 - t) * bx + t * t * ex
        y = (1 - t) ** 2 * ay + 2 * t * (1 - t) * by + t * t * ey
        paint(c, circle(g(x), g(y), g(1.5), (255, 255, 235, 0.4 + 0.05 * i)), ss=4)
    to, _ = along(g(ex), g(ey), g(bx), g(by))
    paint(c, polygon([to(g(-2), 0), to(g(6), g(-4.5)), to(g(6), g(4.5))], (255, 255, 235, 0.9)), ss=4)
    paint(c, soft_shadow(g(46), g(203), g(38), g(8), 0.4), ss=2)
    hard_disk(c, g(12.5), g(166.5), g(62), g(26), g(12), width=g(1.4))
    for x, y, r in ((14, 18, 4), (84, 24, 3), (88, 128, 3.5), (10, 120, 3), (82, 212, 4), (16, 220, 3)):
        paint(c, sparkle(g(x), g(y), g(r), (255, 255, 235)))
    return c


def drive_folder_icon(size=32):
    """Options: a folder that becomes a drive, its lines on whole pixels."""
    c = Canvas(size, size)
    g = Grid(size / 32.0)
    width = thickness(g)
    hard_disk(c, g.line(1.5, width), g.line(13.5, width), g.edge(24), g.edge(11), g.edge(5), width=width)
    folder(c, g.edge(4), g.edge(3), g.edge(17), g.edge(14), width=width)
    return c


def pencil(c, x0, y0, x1, y1, width, ss=6):
    """A yellow pencil with its point at (x0, y0) and its eraser at (x1, y1),
    lit from the top left."""
    to, n = along(x0, y0, x1, y1)
    h = width / 2.0
    cone = width * 1.1
    lead = cone * 0.4
    rub = width * 0.55
    band = width * 0.35
    e = max(0.8, width * 0.12)                  # the outline around it
    body = n - rub - band
    paint(c, polygon([to(-e * 1.5, 0), to(cone, -h - e), to(n + e, -h - e),
                      to(n + e, h + e), to(cone, h + e)], (36, 28, 20, 1.0)), ss)
    paint(c, polygon([to(0, 0), to(cone, -h), to(cone, h)], (240, 206, 160, 1.0)), ss)
    paint(c, polygon([to(0, 0), to(lead, -h * lead / cone), to(lead, h * lead / cone)],
                     (50, 50, 60, 1.0)), ss)
    for v0, v1, colour in ((-h, -h / 3, (255, 238, 120)), (-h / 3, h / 3, (252, 196, 30)),
                           (h / 3, h, (210, 140, 10))):
        paint(c, polygon([to(cone, v0), to(body, v0), to(body, v1), to(cone, v1)], colour + (1.0,)), ss)
        shine = mix(colour, (215, 215, 225), 0.75)
        paint(c, polygon([to(body, v0), to(body + band, v0), to(body + band, v1), to(body, v1)],
                         shine + (1.0,)), ss)
        pink = mix(colour, (240, 120, 140), 0.8)
        paint(c, polygon([to(body + band, v0), to(n, v0), to(n, v1), to(body + band, v1)],
                         pink + (1.0,)), ss)


def pixel_pencil(s0, t0, t1, half=2, size=16):
    """A pencil for the small sizes, pixel by pixel, pointing down to the left.

    It lies on the diagonal x + y = s0, 2 * half + 1 pixels of it wide, with
    its point at x - y = t0 and its eraser at x - y = t1; this small a
    smooth pencil only blurs.
    """
    outline = (40, 28, 20, 1.0)
    wood = (((255, 238, 120), (250, 196, 30), (200, 130, 10)),       # light, middle, shaded side
            ((240, 240, 248), (196, 196, 208), (128, 128, 140)),     # the metal band
            ((255, 160, 170), (232, 110, 128), (180, 70, 90)))       # the eraser

    def shade(x, y):
        px, py = int(x), int(y)
        d, t = px + py - s0, px - py
        if t < t0 or t > t1 + 1 or abs(d) > half:
            return None
        if t > t1:                              # the end of the eraser
            return None if abs(d) > half - 1 else (40, 20, 20, 1.0)
        if t < t0 + 2 * half:                   # the sharpened cone
            r = (t - t0) / 2.0
            if abs(d) > r + 1:
                return None
            if abs(d) > r:
                return outline
            return (50, 50, 60, 1.0) if t < t0 + half else (240, 206, 160, 1.0)
        if abs(d) == half:
            return outline
        side = (d + half - 1) * 3 // (2 * half - 1)
        part = 2 if t > t1 - half else 1 if t > t1 - 2 * half else 0
        return wood[part][side] + (1.0,)

    return shade, (0, 0, size, size)


def editor_icon(size):
    """The editor's icon: kelvo's disc with a pencil in front."""
    c = Canvas(size, size)
    k = size / 32.0
    paint(c, disc(14 * k, 14 * k, 13.6 * k, sheen=0.9), ss=6 if size < 32 else 4)
    if size < 32:                           # the small icon and its larger scales
        g = Grid(size / 16.0)
        paint(c, pixel_pencil(g.edge(19), -g.edge(9), g.edge(9), int(g(2)), size), ss=1)
    else:
        pencil(c, 12.5 * k, 30 * k, 30.5 * k, 12 * k, 6.8 * k)
    return c


# ------------------------------------------------------------- demo CD ---

def back_tile():
    """A quiet dark tile that repeats without seams."""
    n = 64

    def shade(x, y):
        u, v = 2 * math.pi * x / n, 2 * math.pi * y / n
        wave = math.sin(u + v) * 0.5 + math.sin(2 * u - v) * 0.3 + math.cos(u - 2 * v) * 0.2
        d = math.hypot(x - 32, y - 32)
        ring = math.exp(-((d - 18) ** 2) / 6.0) * 0.5 + math.exp(-((d - 6) ** 2) / 2.0) * 0.3
        t = 0.5 + 0.25 * wave
        base = mix((12, 34, 62), (22, 58, 88), t)
        return mix(base, (46, 92, 120), ring) + (1.0,)

    c = Canvas(n, n)
    c.layer(shade, ss=2)
    return c


def splash():
    w, h = 400, 120
    c = Canvas(w, h)
    c.layer(lambda x, y: mix((16, 28, 84), (10, 118, 132), x / w) + (1.0,), ss=1)
    for i in range(6):
        y0 = 14 + i * 18
        paint(c, line(0, y0 + 30, w, y0 - 12, 1.2, (255, 255, 255, 0.06)), ss=2)
    paint(c, circle(64, 63, 50, (0, 0, 20, 0.35)))
    paint(c, disc(62, 60, 50, sheen=0.95), ss=3)
    for x, y, r in ((118, 22, 6), (384, 20, 5), (372, 100, 4), (112, 100, 4)):
        paint(c, sparkle(x, y, r, (255, 255, 235)))
    gold = lambda x, y: mix((255, 240, 150), (235, 150, 40), ((y - 14) % 40) / 40) + (1.0,)
    white = lambda x, y: mix((255, 255, 255), (190, 220, 240), ((y - 70) % 30) / 30) + (1.0,)
    shadowed_text(c, 132, 14, "Orlimar", 5, gold)
    shadowed_text(c, 134, 66, "Demo-CD", 4, white)
    paint(c, rect(134, 102, 134 + text_width("Demo-CD", 4), 104, (255, 220, 120, 0.7)))
    return c


def document_icon(size):
    c = Canvas(size, size)
    k = size / 16.0
    paint(c, polygon([(2.5 * k, 0.5 * k), (10 * k, 0.5 * k), (13.5 * k, 4 * k),
                      (13.5 * k, 15.5 * k), (2.5 * k, 15.5 * k)], (70, 70, 80, 1.0)))
    paint(c, polygon([(3.3 * k, 1.3 * k), (9.6 * k, 1.3 * k), (12.7 * k, 4.4 * k),
                      (12.7 * k, 14.7 * k), (3.3 * k, 14.7 * k)], (255, 255, 250, 1.0)))
    paint(c, polygon([(9.6 * k, 1.3 * k), (12.7 * k, 4.4 * k), (9.6 * k, 4.4 * k)], (200, 200, 210, 1.0)))
    for i in range(4):                      # text lines on whole pixels
        y = (6 + i * 2) * k
        paint(c, rect(5 * k, y, (11 - (2 if i == 3 else 0)) * k, y + k, (60, 90, 170, 1.0)))
    return c


def web_icon(size):
    c = Canvas(size, size)
    k = size / 16.0
    cx = cy = 8 * k
    r = 7.3 * k

    def globe(x, y):
        dx, dy = (x - cx) / r, (y - cy) / r
        if dx * dx + dy * dy > 1:
            return None
        if dx * dx + dy * dy > (1 - 0.9 / (r + 1)) ** 2:
            return (20, 60, 120, 1.0)
        z = math.sqrt(max(0.0, 1 - dx * dx - dy * dy))
        lon = math.atan2(dx, z)
        lat = math.asin(max(-1.0, min(1.0, dy)))
        land = math.sin(3 * lon + 1.3) * math.cos(2 * lat) + 0.4 * math.sin(5 * lat + lon) > 0.35
        light = 0.55 + 0.45 * max(0.0, -0.5 * dx - 0.5 * dy + 0.7 * z)
        base = (60, 170, 70) if land else (50, 120, 220)
        grid = abs(math.sin(lon * 3)) < 0.08 or abs(math.sin(lat * 3)) < 0.08
        colour = mix(base, (230, 240, 255), 0.5) if grid else base
        return tuple(v * light for v in colour) + (1.0,)

    paint(c, (globe, (0, 0, size, size)), ss=5)
    return c


def mail_icon(size):
    c = Canvas(size, size)
    k = size / 16.0
    paint(c, rect(0.8 * k, 3.2 * k, 15.2 * k, 13 * k, (80, 70, 50, 1.0), radius=0.8 * k))
    paint(c, rect(1.6 * k, 4 * k, 14.4 * k, 12.2 * k, (250, 240, 210, 1.0)))
    paint(c, polygon([(1.6 * k, 4 * k), (14.4 * k, 4 * k), (8 * k, 9 * k)], (230, 210, 160, 1.0)))
    paint(c, line(1.8 * k, 4.2 * k, 8 * k, 9 * k, 0.9 * k, (120, 100, 70, 1.0)))
    paint(c, line(14.2 * k, 4.2 * k, 8 * k, 9 * k, 0.9 * k, (120, 100, 70, 1.0)))
    paint(c, rect(11 * k, 5 * k, 13.6 * k, 7.8 * k, (210, 50, 50, 1.0)))   # stamp
    return c


def gallery_picture(seed):
    """A small picture for the demo's picture folder."""
    w, h = 160, 120
    c = Canvas(w, h)
    if seed == 0:                           # sunset over the sea
        c.layer(lambda x, y: (mix((250, 200, 90), (200, 60, 90), y / 70) if y < 70 else
                              mix((40, 70, 130), (10, 30, 70), (y - 70) / 50)) + (1.0,), ss=1)
        paint(c, circle(80, 70, 24, (255, 235, 150, 0.95)))
        c.layer(lambda x, y: (10, 30, 70, 1.0) if y > 70 + 1.5 * math.sin(x / 6) else None,
                (0, 60, w, h), ss=2)
        for i in range(6):
            y = 76 + i * 7
            paint(c, line(80 - 22 + i * 3, y, 80 + 22 - i * 3, y, 1.4, (255, 220, 140, 0.7)))
    else:                                   # discs on a table
        c.layer(lambda x, y: mix((90, 60, 40), (150, 105, 70), (math.sin(y / 3 + x / 40) + 1) / 2) + (1.0,), ss=1)
        paint(c, circle(58, 64, 38, (0, 0, 0, 0.35)))
        paint(c, disc(54, 60, 38, sheen=1.0), ss=3)
        paint(c, disc(116, 70, 28, sheen=1.0), ss=3)
    return c


LIESMICH = """Orlimar Demo-CD
===============

Willkommen! Diese CD zeigt, was ein CD-Startmenü kann.

Das Menü startet von selbst, wenn die CD eingelegt wird. Jeder Eintrag
öffnet ein Dokument, einen Ordner, ein Programm, eine Web-Seite oder
eine E-Mail an uns. Unter "CD-Inhalt" sehen Sie alle Dateien der CD.

Inhalt
------
  \\docs\\liesmich.txt     diese Datei
  \\docs\\preise.txt       unsere Preisliste
  \\docs\\bestellung.txt   ein Bestellschein zum Ausdrucken
  \\bilder\\               Bilder
  \\tools\\info.bat        ein kleines Info-Programm

Systemvoraussetzungen: Windows, ein CD-Laufwerk, 16 MB Arbeitsspeicher.

Kontakt: info@orlimar.example, http://www.orlimar.example/

Viel Spaß!
Ihr Orlimar-Team
"""

PREISE = """Orlimar - Preisliste
====================

Artikel                          Preis
--------------------------------------
Pavonel 98 Einzelplatz         49,00 €
Pavonel 98 Fünferpack         199,00 €
Handbuch (gedruckt)            19,50 €
Rohlinge, 10 Stück              8,90 €

Alle Preise inkl. MwSt., zzgl. Versand.
"""

BESTELLUNG = """Bestellschein
=============

Name:     ______________________________
Straße:   ______________________________
PLZ/Ort:  ______________________________

Ich bestelle:
  [ ] Pavonel 98 Einzelplatz
  [ ] Pavonel 98 Fünferpack
  [ ] Handbuch

Datum, Unterschrift: ___________________

Bitte senden an: Orlimar, Postfach 98, 12345 Musterstadt
"""

# A batch file runs in the console, whose code page is not Windows-1252:
# no umlauts here.
INFO_BAT = """@echo off
title Orlimar Demo-CD
echo.
echo   Orlimar Demo-CD
echo   ---------------
echo   Dieses kleine Programm liegt auf der CD unter \\tools\\info.bat.
echo   Es wurde aus dem Startmenue mit den Parametern "%*" gestartet.
echo.
pause
"""

# The editor's key order; paths beginning with "\\" lie on the CD's drive.
KELVO_INI = """[General]
Name=Demo-CD
Items=7
BackColor=8421376
ForeColor=8454143
HighColor=16777215
FontSize=10
Font=Arial
BackgroundPic=\\back.bmp
ColorPic=False
SplashPic=\\splash.bmp
SplashTime=30
SourceDir=
[Item1]
Command=\\docs\\liesmich.txt
Desc=Wichtige Hinweise zu dieser CD: Inhalt, Systemvoraussetzungen und Kontakt.
Icon=\\icons\\doc.ico
txt=Lies mich!
[Item2]
Command=\\bilder
Desc=Öffnet den Ordner mit den Bildern dieser CD.
Icon=\\bilder
txt=Bildergalerie
[Item3]
Command=\\tools\\info.bat /kurz
Desc=Ein kleines Programm von der CD, gestartet mit einem Parameter.
Icon=\\tools\\info.bat
txt=Info-Programm
[Item4]
Command=\\docs\\preise.txt
Desc=Die aktuellen Preise als Textdatei.
Icon=
txt=Preisliste
[Item5]
Command=\\docs\\bestellung.txt
Desc=Ein Bestellschein zum Ausdrucken (mit dem Symbol seines Dateityps).
Icon=\\docs\\bestellung.txt
txt=Bestellschein
[Item6]
Command=http://www.orlimar.example/
Desc=Besuchen Sie uns im Internet: www.orlimar.example
Icon=\\icons\\web.ico
txt=Homepage
[Item7]
Command=mailto:info@orlimar.example
Desc=Fragen, Wünsche, Bestellungen? Schreiben Sie uns eine E-Mail.
Icon=\\icons\\mail.ico
txt=E-Mail an Orlimar
"""


def sizes(base):
    """An icon's sizes: base at 100 % first, then its 150 and 200 %."""
    return [scaled(base, p) for p in SCALES]


def scaled_name(name, percent):
    """default-entry.bmp at 150 % is default-entry-150.bmp."""
    if percent == 100:
        return name
    stem, ext = os.path.splitext(name)
    return "%s-%d%s" % (stem, percent, ext)


def main():
    for p in SCALES:
        write(os.path.join(HERE, scaled_name("default-entry.bmp", p)), bmp_bytes(default_entry(scaled(16, p))))
    write(os.path.join(HERE, "wait.ico"), ico_bytes([wait_icon(s) for s in sizes(32)]))
    # the program icons keep 16, 32 and 48 first; then the sizes between
    # for the scales of the small icon (20, 24) and of the large one (40, 64)
    program_sizes = (16, 32, 48, 20, 24, 40, 64)
    write(os.path.join(HERE, "kelvo.ico"), ico_bytes([program_icon(s) for s in program_sizes]))
    for p in SCALES:
        write(os.path.join(HERE, scaled_name("about.gif", p)), gif_bytes(about_picture(p)))

    write(os.path.join(HERE, "admin.ico"), ico_bytes([editor_icon(s) for s in program_sizes]))
    for name, draw, base in (
            ("tb-new", new_sheet_icon, 16), ("tb-open", lambda s: folder_icon(True, s), 16),
            ("tb-save", floppy_icon, 16), ("tb-network", network_drive_icon, 16),
            ("tb-help", info_icon, 16),
            ("sel-general", form_picture, 24), ("sel-colors", paint_palette_picture, 24),
            ("sel-items", bullet_list_picture, 24), ("sel-test", test_picture, 24),
            ("tree-project", project_icon, 16), ("tree-item", lambda s: folder_icon(False, s), 16),
            ("tree-item-open", lambda s: folder_icon(True, s), 16), ("tree-field", field_icon, 16),
            ("options-drive", drive_folder_icon, 32), ("wizard-hint", hint_icon, 32),
            ("finding-fault", fault_icon, 16), ("finding-hint", caution_icon, 16)):
        write(os.path.join(HERE, name + ".ico"), ico_bytes([draw(s) for s in sizes(base)]))
    # the wizard's side picture: its larger drawings as PNG (a sixth of the
    # BMP's bytes), decoded only on a display that needs them
    for p in SCALES:
        name = "wizard-side.bmp" if p == 100 else scaled_name("wizard-side.png", p)
        write(os.path.join(HERE, name), (bmp_bytes if p == 100 else png_bytes)(wizard_picture(p)))

    write(os.path.join(DEMO, "back.bmp"), bmp_bytes(back_tile()))
    write(os.path.join(DEMO, "splash.bmp"), bmp_bytes(splash()))
    # entry icons: 16 x 16 only, the size that fits the entry buttons (a
    # picture loader may well pick a 32 x 32 image, which the button cuts)
    for name, draw in (("doc", document_icon), ("web", web_icon), ("mail", mail_icon)):
        write(os.path.join(DEMO, "icons", name + ".ico"), ico_bytes([draw(16)]))
    write(os.path.join(DEMO, "bilder", "sonnenuntergang.gif"), gif_bytes(gallery_picture(0)))
    write(os.path.join(DEMO, "bilder", "scheiben.gif"), gif_bytes(gallery_picture(1)))
    write_text(os.path.join(DEMO, "kelvo.ini"), KELVO_INI)
    write_text(os.path.join(DEMO, "docs", "liesmich.txt"), LIESMICH)
    write_text(os.path.join(DEMO, "docs", "preise.txt"), PREISE)
    write_text(os.path.join(DEMO, "docs", "bestellung.txt"), BESTELLUNG)
    write_text(os.path.join(DEMO, "tools", "info.bat"), INFO_BAT)


if __name__ == "__main__":
    main()
