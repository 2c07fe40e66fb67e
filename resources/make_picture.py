"""Draws PNG_DZB, the picture of the sticker's square face, with ImageMagick.

The face is a sheet of rice paper in a red frame with a gold rule and cut-in corners, a
plum branch at the top left, a sprig at the bottom right and a red seal at the top right; the
clock sits on a dark ink plaque because its bright green would not read on paper.

Everything is laid out in the 256 x 256 window the face is shown in, drawn four times larger,
then squeezed to the stored 300 x 380: the window stretches it back, so circles stay round
where the user sees them. Outside the frame the picture is fully transparent and every other
pixel fully opaque, so the grey key colour behind it vanishes without a halo.

Usage: python3 make_picture.py OUTPUT.png
"""
import math
import os
import subprocess
import sys

SCALE = 4
CANVAS = 256 * SCALE
STORED = "300x380"
ZEN_HEI = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

PAPER_LIGHT, PAPER_EDGE = "#FDF9EF", "#F1E5C9"
FRAME_RED, GOLD = "#9C2A24", "#C29A45"
INK, INK_LIGHT = "#17212B", "#26333F"
BARK, PETAL, PETAL_DEEP, STAMEN = "#4A3328", "#F3B7BF", "#D9576A", "#E9B949"

# Where the face's labels go; the motifs keep out of their text.
CLOCK_PLAQUE = (17, 65, 239, 121)
CORNER = 14   # radius of the cut-in corners
EDGE = 3      # transparent margin around the frame


def s(v):
    return f"{v * SCALE:.2f}"


def frame_path(inset):
    """The sheet's outline, inset from its outer edge; corners cut in by quarter circles."""
    x0 = y0 = EDGE + inset
    x1 = y1 = 256 - EDGE - inset
    r = CORNER + inset
    return (f"M {s(x0 + r - inset)},{s(y0)} L {s(x1 - r + inset)},{s(y0)} "
            f"A {s(r)},{s(r)} 0 0,0 {s(x1)},{s(y0 + r - inset)} "
            f"L {s(x1)},{s(y1 - r + inset)} "
            f"A {s(r)},{s(r)} 0 0,0 {s(x1 - r + inset)},{s(y1)} "
            f"L {s(x0 + r - inset)},{s(y1)} "
            f"A {s(r)},{s(r)} 0 0,0 {s(x0)},{s(y1 - r + inset)} "
            f"L {s(x0)},{s(y0 + r - inset)} "
            f"A {s(r)},{s(r)} 0 0,0 {s(x0 + r - inset)},{s(y0)} Z")


def blossom(cx, cy, r, turn, colour=PETAL, open_=True):
    """Five round petals, a darker heart and a ring of stamens."""
    out = [f"fill {colour} stroke {PETAL_DEEP} stroke-width {s(0.35)}"]
    for k in range(5):
        a = math.radians(turn + 72 * k)
        px, py = cx + r * 0.55 * math.cos(a), cy + r * 0.55 * math.sin(a)
        out.append(f"circle {s(px)},{s(py)} {s(px + r * 0.5)},{s(py)}")
    out.append(f"stroke none fill {PETAL_DEEP} circle {s(cx)},{s(cy)} {s(cx + r * 0.28)},{s(cy)}")
    if open_:
        out.append(f"fill {STAMEN}")
        for k in range(7):
            a = math.radians(turn + 17 + 360 / 7 * k)
            px, py = cx + r * 0.42 * math.cos(a), cy + r * 0.42 * math.sin(a)
            out.append(f"circle {s(px)},{s(py)} {s(px + 0.45)},{s(py)}")
    return out


def bud(cx, cy, r):
    return [f"fill {PETAL_DEEP} stroke none circle {s(cx)},{s(cy)} {s(cx + r)},{s(cy)}"]


def twig(points, w0, w1):
    """A branch along a polyline, thinning from w0 to w1 as it grows."""
    out = ["fill none stroke-linecap round stroke-linejoin round"]
    n = len(points) - 1
    for k in range(n):
        w = w0 + (w1 - w0) * k / max(1, n - 1)
        (ax, ay), (bx, by) = points[k], points[k + 1]
        out.append(f"stroke {BARK} stroke-width {s(w)} line {s(ax)},{s(ay)} {s(bx)},{s(by)}")
    return out


def curve(p0, p1, p2, steps):
    """Points of a quadratic curve, for branches that bend."""
    pts = []
    for k in range(steps + 1):
        t = k / steps
        x = (1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0]
        y = (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]
        pts.append((x, y))
    return pts


def plum_top_left():
    """A branch growing out of the frame, kept left of where the weekday line can reach."""
    out = twig(curve((8, 66), (12, 30), (42, 14), 8), 3.2, 1.2)
    out += twig(curve((13, 36), (24, 36), (32, 30), 3), 1.5, 0.8)
    out += twig(curve((10, 50), (15, 52), (17, 56), 2), 1.1, 0.7)
    out += blossom(27, 21, 7.2, 10)
    out += blossom(14, 36, 5.6, 40)
    out += blossom(33, 30, 4.4, 70, open_=False)
    out += bud(45, 13, 1.8) + bud(17.5, 57, 1.5) + bud(20, 12, 1.4)
    return out


def plum_bottom_right():
    """A sprig tucked into the corner, clear of the lines of the lunar block."""
    out = twig(curve((251, 210), (246, 236), (225, 249), 7), 2.4, 1.0)
    out += twig(curve((246, 232), (238, 234), (233, 240), 3), 1.1, 0.7)
    out += blossom(239, 238, 5.4, 25)
    out += blossom(248, 221, 3.8, 60, open_=False)
    out += bud(232, 241, 1.5) + bud(227, 248, 1.4)
    return out


def seal():
    """A red seal stamped at the top right, its character left in paper colour."""
    x0, y0, size = 216, 13, 22
    return [f"stroke none fill {FRAME_RED}",
            f"roundrectangle {s(x0)},{s(y0)} {s(x0 + size)},{s(y0 + size)} {s(2)},{s(2)}",
            f"fill none stroke {PAPER_LIGHT} stroke-width {s(0.8)}",
            f"roundrectangle {s(x0 + 1.8)},{s(y0 + 1.8)} {s(x0 + size - 1.8)},{s(y0 + size - 1.8)}"
            f" {s(1)},{s(1)}",
            f"stroke none fill {PAPER_LIGHT} font '{ZEN_HEI}' font-size {s(15)}",
            f"text {s(x0 + 3.6)},{s(y0 + 16.9)} '吉'"]


def divider():
    """A gold rule with a lozenge between the hour lines and the lunar block."""
    y = 173.5
    return [f"fill none stroke {GOLD} stroke-width {s(0.8)}",
            f"line {s(64)},{s(y)} {s(120)},{s(y)}", f"line {s(136)},{s(y)} {s(192)},{s(y)}",
            f"stroke none fill {GOLD}",
            f"polygon {s(128)},{s(y - 3)} {s(132)},{s(y)} {s(128)},{s(y + 3)} {s(124)},{s(y)}"]


def plaque():
    x0, y0, x1, y1 = CLOCK_PLAQUE
    return [f"stroke {GOLD} stroke-width {s(1.2)} fill {INK}",
            f"roundrectangle {s(x0)},{s(y0)} {s(x1)},{s(y1)} {s(9)},{s(9)}",
            f"fill none stroke {INK_LIGHT} stroke-width {s(1.0)}",
            f"roundrectangle {s(x0 + 3)},{s(y0 + 3)} {s(x1 - 3)},{s(y1 - 3)} {s(6.5)},{s(6.5)}"]


def mvg(lines):
    return "\n".join(["push graphic-context", "stroke-antialias 1", "text-antialias 1"]
                     + lines + ["pop graphic-context"]) + "\n"


def main(out):
    # Drawings go on the command line: ImageMagick's usual policy refuses to read them from files.
    frame = mvg([f"fill {FRAME_RED} stroke none path '{frame_path(0)}'"])
    sheet = mvg([f"fill white stroke none path '{frame_path(4.5)}'"])
    art = mvg([f"fill none stroke {GOLD} stroke-width {s(1.3)} path '{frame_path(8)}'"]
              + plaque() + divider() + plum_top_left() + plum_bottom_right() + seal())
    size = f"{CANVAS}x{CANVAS}"
    # Warm at the rim, lighter in the middle; a faint, soft grain keeps it from looking
    # like plastic without costing much space in the file.
    subprocess.run(
        ["convert", "-size", size, "xc:none", "-draw", frame,
         "(", "-size", size, f"radial-gradient:{PAPER_LIGHT}-{PAPER_EDGE}",
         "(", "-size", size, "xc:gray50", "-seed", "7", "+noise", "Gaussian",
         "-blur", "0x6", "-level", "46%,54%", ")",
         "-compose", "SoftLight", "-composite",
         "(", "-size", size, "xc:black", "-draw", sheet, ")",
         "-alpha", "off", "-compose", "CopyOpacity", "-composite", ")",
         "-compose", "Over", "-composite",
         "-draw", art,
         "-filter", "Lanczos", "-resize", f"{STORED}!",
         # Edge pixels keep the frame's own colour; only their coverage is made all or
         # nothing, which leaves no grey-tinted fringe over the key colour.
         "-channel", "A", "-threshold", "50%", "+channel",
         "-strip", "-define", "png:color-type=6", "-define", "png:bit-depth=8",
         "-define", "png:compression-level=9", out],
        check=True)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else
         os.path.join(os.path.dirname(os.path.abspath(__file__)), "PNG_DZB.png"))
