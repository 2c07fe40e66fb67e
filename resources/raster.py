"""A small signed-distance rasteriser and the PNG and ICO writers the resource scripts share.

Shapes are signed-distance functions in pixel units (negative inside). A pixel's coverage is
0.5 - distance at its centre, clamped to 0..1, which antialiases straight edges exactly and lets
every icon size be drawn at its own size instead of being shrunk from a big one.
"""
import math
import struct
import zlib


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def box(x0, y0, x1, y1, r=0.0):
    """Rectangle from (x0, y0) to (x1, y1), corners rounded by r."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return sdf


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def capsule(ax, ay, bx, by, width, butt=False):
    """A stroke from a to b; with butt ends it stops flat at a and b instead of rounding."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    length = math.sqrt(length2)

    def sdf(x, y):
        px, py = x - ax, y - ay
        t = (px * dx + py * dy) / length2
        if not butt:
            t = clamp(t)
            return math.hypot(px - dx * t, py - dy * t) - width / 2
        along = abs(t - 0.5) * length - length / 2
        across = abs(px * dy - py * dx) / length - width / 2
        outside = math.hypot(max(along, 0.0), max(across, 0.0))
        return outside + min(max(along, across), 0.0)
    return sdf


def polygon(points):
    """Any simple polygon, by the even-odd rule and the distance to its nearest edge."""
    edges = list(zip(points, points[1:] + points[:1]))

    def sdf(x, y):
        best = float("inf")
        inside = False
        for (ax, ay), (bx, by) in edges:
            ex, ey = bx - ax, by - ay
            t = clamp(((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey))
            best = min(best, math.hypot(x - ax - ex * t, y - ay - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (ey or 1e-12):
                inside = not inside
        return -best if inside else best
    return sdf


def arc(cx, cy, r, width, start, end):
    """Part of a ring from angle start to end (degrees, clockwise on screen from 3 o'clock)."""
    a0, a1 = math.radians(start), math.radians(end)
    span = (a1 - a0) % (2 * math.pi)
    ends = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in (a0, a1)]

    def sdf(x, y):
        a = (math.atan2(y - cy, x - cx) - a0) % (2 * math.pi)
        if a <= span:
            return abs(math.hypot(x - cx, y - cy) - r) - width / 2
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - width / 2
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def cut(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def clip(shape, mask):
    return lambda x, y: max(shape(x, y), mask(x, y))


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def hex_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) / 255 for i in (0, 2, 4))


def render(size, layers):
    """Paints (shape, paint) layers in order; paint is a colour or a function of (x, y).

    Returns rows of straight (not premultiplied) RGBA bytes.
    """
    rows = []
    for j in range(size):
        row = bytearray()
        y = j + 0.5
        for i in range(size):
            x = i + 0.5
            r = g = b = a = 0.0  # premultiplied while compositing
            for shape, paint in layers:
                cov = clamp(0.5 - shape(x, y))
                if cov <= 0.0:
                    continue
                colour = paint(x, y) if callable(paint) else paint
                k = cov * (colour[3] if len(colour) > 3 else 1.0)
                r, g, b = (r * (1 - k) + colour[0] * k, g * (1 - k) + colour[1] * k,
                           b * (1 - k) + colour[2] * k)
                a = a * (1 - k) + k
            if a > 0:
                row += bytes(round(clamp(c / a) * 255) for c in (r, g, b))
                row.append(round(a * 255))
            else:
                row += b"\0\0\0\0"
        rows.append(bytes(row))
    return rows


def png_bytes(width, height, rows):
    """An 8-bit RGBA PNG of the given rows."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\0" + row for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_bytes(images):
    """An icon file from (size, rows) pairs, smallest first.

    Sizes up to 32 are stored as 32-bit bitmaps, which every loader reads; larger ones as PNG,
    which the system has read since Vista and which keeps the program small. The AND mask marks
    fully transparent pixels for loaders that ignore alpha.
    """
    blobs = []
    for size, rows in images:
        if size > 32:
            blobs.append(png_bytes(size, size, rows))
            continue
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        pixels = bytearray()
        mask = bytearray()
        stride = ((size + 31) // 32) * 4
        for row in reversed(rows):  # bitmaps run bottom-up
            for i in range(size):
                r, g, b, a = row[4 * i:4 * i + 4]
                pixels += bytes((b, g, r, a))
            bits = bytearray(stride)
            for i in range(size):
                if row[4 * i + 3] == 0:
                    bits[i // 8] |= 0x80 >> (i % 8)
            mask += bits
        blobs.append(header + bytes(pixels) + bytes(mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, _), blob in zip(images, blobs):
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)
