"""Draws the program's icons: one rounded square per command, each in its own colour with a
white sign, every size drawn on its own pixel grid so that 16-pixel menu icons stay sharp.

Usage: python3 make_icons.py OUTPUT_DIR
"""
import math
import os
import sys

from raster import (arc, box, capsule, circle, clip, cut, hex_colour, ico_bytes, mix, polygon,
                    render, union)

SIZES = (16, 20, 24, 32, 40, 48)
# The program's own icon is also shown by the shell in large views.
APP_SIZES = SIZES + (64, 256)

WHITE = (1.0, 1.0, 1.0)


def stroke(size):
    """Line weight of the signs: 2 px in menus, about a tenth of the icon above that."""
    return {16: 2, 20: 2, 24: 3, 32: 3, 40: 4, 48: 5, 64: 6}.get(size, round(size / 11))


def centre(size, width):
    """Centre line for a stroke of the given width whose edges fall on pixel boundaries."""
    return size / 2 + (width % 2) / 2


def background(size, colour):
    """The shared rounded square, lit a little from above so it reads on light and dark."""
    top, bottom = mix(colour, WHITE, 0.14), mix(colour, (0, 0, 0), 0.10)
    shape = box(0, 0, size, size, size * 0.2)
    return shape, lambda x, y: mix(top, bottom, y / size)


def sign_close(s, w, ground):
    c, arm = centre(s, w), s * 0.21
    return [(union(capsule(c - arm, c - arm, c + arm, c + arm, w),
                   capsule(c - arm, c + arm, c + arm, c - arm, w)), WHITE)]


def sign_about(s, w, ground):
    x0 = round(s / 2 - w / 2)
    x1 = x0 + w
    top, foot = round(s * 0.42), round(s * 0.80)
    serif = max(1, round(w * 0.6))
    reach = max(1, round(w * 0.8))
    dot = w + max(0, round((s - 24) / 12))
    dot_x = x0 - (dot - w) // 2
    dot_y = top - dot - max(2, round(s * 0.09))
    shape = union(box(x0, top, x1, foot),
                  box(x0 - reach, top, x1, top + serif),
                  box(x0 - reach, foot - serif, x1 + reach, foot),
                  box(dot_x, dot_y, dot_x + dot, dot_y + dot, dot * 0.4 if s >= 32 else 0))
    return [(shape, WHITE)]


def sign_help(s, w, ground):
    """An open book; from 32 px on its pages carry lines of text."""
    margin, half_gap = round(s * 0.15), max(1, round(s / 32))
    top, bottom, dip = round(s * 0.26), round(s * 0.78), max(1, round(s * 0.07))
    c = s / 2
    left = [(margin, top), (c - half_gap, top + dip), (c - half_gap, bottom), (margin, bottom - dip)]
    right = [(s - x, y) for x, y in reversed(left)]
    layers = [(union(polygon(left), polygon(right)), WHITE)]
    if s >= 32:
        line = max(1, round(s / 24))
        pad = max(2, round(s * 0.07))
        step = (bottom - top - dip) / 4
        for k in (1, 2, 3):
            for sign in (-1, 1):
                x_out, x_in = c + sign * (c - margin - pad), c + sign * (half_gap + pad)
                y_out = top + k * step
                y_in = y_out + dip * (1 - pad / (c - margin))
                layers.append((capsule(x_out, y_out, x_in, y_in, line, butt=True), ground))
    return layers


def arrow_head(x, y, dx, dy, length, half_width):
    nx, ny = -dy, dx
    return polygon([(x + dx * length, y + dy * length),
                    (x + nx * half_width, y + ny * half_width),
                    (x - nx * half_width, y - ny * half_width)])


def sign_switch(s, w, ground):
    """Two arrows chasing each other round a circle: the face turns over."""
    c, r = s / 2, s * 0.29
    head, half = max(2.2, w * 1.25), max(2.6, w * 1.35)
    parts = []
    for start, end in ((200, 320), (20, 140)):
        parts.append(arc(c, c, r, w, start, end))
        a = math.radians(end)
        parts.append(arrow_head(c + r * math.cos(a), c + r * math.sin(a),
                                -math.sin(a), math.cos(a), head, half))
    return [(union(*parts), WHITE)]


def sign_text_colour(s, w, ground):
    """A letter A over a bar of colours."""
    c = s / 2
    top, base = round(s * 0.14), round(s * 0.68)
    spread = s * 0.25
    lean = capsule(c, top - w, c - spread, base + w, w * 1.15)
    lean2 = capsule(c, top - w, c + spread, base + w, w * 1.15)
    frac = 0.64
    bar_y = round(top + (base - top) * frac - w / 2)
    bar_half = spread * frac + w * 0.3
    letter = clip(union(lean, lean2, box(c - bar_half, bar_y, c + bar_half, bar_y + max(1, w - 1))),
                  box(0, top, s, base))
    layers = [(letter, WHITE)]
    x0, x1 = round(s * 0.16), s - round(s * 0.16)
    y0, y1 = round(s * 0.76), round(s * 0.76) + max(2, round(s * 0.13))
    colours = ["#FF5A4E", "#FFC22E", "#3DD07A", "#4FA3FF"]
    cuts = [round(x0 + k * (x1 - x0) / 4) for k in range(5)]
    for k, colour in enumerate(colours):
        layers.append((box(cuts[k], y0, cuts[k + 1], y1), hex_colour(colour)))
    return layers


def sign_tool(s, w, ground):
    """A spanner lying corner to corner."""
    c = s / 2
    grip = max(w, s * 0.15)
    head_at, head_r, jaw = s * 0.17, s * 0.2, s * 0.085
    cos = sin = math.sqrt(0.5)

    def spanner(x, y):
        # Local frame: u runs along the handle towards the head at the top right.
        px, py = x - c, y - c
        u, v = px * cos - py * sin, px * sin + py * cos
        handle = capsule(-s * 0.33, 0, head_at, 0, grip)(u, v)
        head = circle(head_at, 0, head_r)(u, v)
        notch = box(head_at - head_r * 0.15, -jaw, head_at + head_r * 2, jaw)(u, v)
        return max(min(handle, head), -notch)
    return [(spanner, WHITE)]


def sign_settings(s, w, ground):
    """Three sliders, each with its knob at another place."""
    left, right = s * 0.2, s * 0.8
    track = max(1, w // 2)
    knob = w * 0.95
    shapes = []
    for row, at in ((0.28, 0.66), (0.5, 0.34), (0.72, 0.58)):
        # A track of odd width centred on a pixel, of even width on a pixel edge.
        y = round(s * row) + (track % 2) / 2
        shapes.append(capsule(left, y, right, y, track))
        shapes.append(circle(left + (right - left) * at, y, knob))
    return [(union(*shapes), WHITE)]


def power(s, w):
    c = centre(s, w)
    r = s * 0.27
    cy = s / 2 + s * 0.04
    ring_part = arc(c, cy, r, w, -50, 230)
    bar = capsule(c, cy - r - w * 0.4, c, cy - s * 0.02, w)
    return union(ring_part, bar)


def sign_run(s, w, ground):
    return [(power(s, w), WHITE)]


def sign_stop(s, w, ground):
    """The start sign struck through, with a gap of background around the stroke.

    The stroke rises to the right so that it misses the upright bar, which keeps the small
    sizes from turning into a tangle.
    """
    a, b = s * 0.2, s * 0.8
    line = w if s >= 32 else 2
    slash = capsule(a, b, b, a, line)
    gap = capsule(a, b, b, a, line + 2 * max(1, round(s / 20)))
    return [(cut(power(s, w), gap), WHITE), (slash, WHITE)]


def sign_app(s, w, ground):
    """A calendar leaf: gold header, two rings, and the character for day in red."""
    red = hex_colour("#B71C2C")
    gold = hex_colour("#F6C343")
    x0, x1 = round(s * 0.19), s - round(s * 0.19)
    y0, y1 = round(s * 0.25), round(s * 0.87)
    corner = max(1, s * 0.06)
    page = box(x0, y0, x1, y1, corner)
    header = max(2, round(s * 0.17))
    layers = [(page, WHITE), (clip(page, box(0, 0, s, y0 + header)), gold)]
    ring_w = max(1, round(s / 16))
    for fx in (0.3, 0.7):
        rx = round(x0 + (x1 - x0) * fx - ring_w / 2)
        layers.append((box(rx, round(s * 0.14), rx + ring_w, y0 + header // 2, ring_w / 2), WHITE))
    # The character: a frame with a middle bar, its strokes whole pixels at every size.
    t = max(1, round(s / 22))
    body_top = y0 + header
    room = y1 - body_top
    height = max(3 * t + 2, round(room * (0.62 if s <= 32 else 0.68)))
    height += (height - 3 * t) % 2
    # At small sizes whole-pixel strokes close the counters, so the character is drawn wider
    # there than a font would.
    width = max(2 * t + 2, round(height * (0.95 if s <= 32 else 0.88)))
    width += (x1 - x0 - width) % 2
    gx = x0 + (x1 - x0 - width) // 2
    gy = body_top + (room - height + 1) // 2
    mid = gy + (height - t) // 2
    glyph = union(cut(box(gx, gy, gx + width, gy + height), box(gx + t, gy + t, gx + width - t,
                                                                gy + height - t)),
                  box(gx, mid, gx + width, mid + t))
    layers.append((glyph, red))
    return layers


def sign_month(s, w, ground):
    """A month's leaf: a frame with a header band over rows of days, the one day marked filled."""
    x0, x1 = round(s * 0.16), s - round(s * 0.16)
    y0, y1 = round(s * 0.18), s - round(s * 0.16)
    t = max(1, round(s / 16))
    header = max(2, round(s * 0.17))
    frame = cut(box(x0, y0, x1, y1, max(1, s * 0.05)), box(x0 + t, y0 + header, x1 - t, y1 - t))
    layers = [(frame, WHITE)]
    # The days: whole-pixel squares with whole-pixel gaps, three a row below 32 pixels (where
    # smaller ones would blur into a grey), four above.
    cols, rows = (3, 2) if s < 32 else (4, 3)
    gap = max(1, round(s / 24))
    left, top = x0 + t + gap, y0 + header + gap
    cell_w = (x1 - t - gap - left + gap) // cols
    cell_h = (y1 - t - gap - top + gap) // rows
    for r in range(rows):
        for c in range(cols):
            ax, ay = left + c * cell_w, top + r * cell_h
            square = box(ax, ay, ax + cell_w - gap, ay + cell_h - gap)
            marked = (r, c) == (rows - 1, cols - 1)
            layers.append((square, WHITE if marked else mix(WHITE, ground(0, ay), 0.45)))
    return layers


def sign_remind(s, w, ground):
    """A bell: a dome over a flared rim, the clapper below and a knob on top."""
    c = s / 2
    top, rim = s * 0.24, s * 0.70
    dome = union(circle(c, top + s * 0.17, s * 0.2),
                 polygon([(c - s * 0.2, top + s * 0.17), (c + s * 0.2, top + s * 0.17),
                          (c + s * 0.31, rim), (c - s * 0.31, rim)]))
    lip = box(c - s * 0.34, rim - max(1, round(s / 16)), c + s * 0.34, rim + max(1, round(s / 16)),
              max(1, s * 0.03))
    knob = circle(c, top - s * 0.03, max(1.2, s * 0.06))
    clapper = circle(c, rim + s * 0.1, max(1.2, s * 0.075))
    return [(union(dome, lip, knob, clapper), WHITE)]


# Each sign gets the size, its line weight and the paint of the square behind it.
ICONS = {
    "AAAAA_APPICON": ("#C62A32", sign_app),
    "ICON_MONTH": ("#D9771E", sign_month),
    "ICON_REMIND": ("#1F8A5B", sign_remind),
    "ICON_HELP": ("#0E8C83", sign_help),
    "ICON_BL": ("#7A4CC2", sign_switch),
    "ICON_ZS": ("#3A4250", sign_text_colour),
    "ICON_TOOL": ("#A8692F", sign_tool),
    "ICON_SET": ("#4A7A8C", sign_settings),
    "ICON_ABOUT": ("#2F72D6", sign_about),
    "ICON_ESC": ("#E0453A", sign_close),
    "ICON_RUNSETUP": ("#2A9D4B", sign_run),
    "ICON_RERUNSETUP": ("#C7437A", sign_stop),
}


def draw(name, size):
    colour, sign = ICONS[name]
    shape, paint = background(size, hex_colour(colour))
    return render(size, [(shape, paint)] + sign(size, stroke(size), paint))


def main(out_dir):
    for name in ICONS:
        sizes = APP_SIZES if name == "AAAAA_APPICON" else SIZES
        images = [(size, draw(name, size)) for size in sizes]
        with open(os.path.join(out_dir, name + ".ico"), "wb") as f:
            f.write(ico_bytes(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
