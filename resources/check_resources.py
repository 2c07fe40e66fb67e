"""Checks the generated resources against what the program and its users need from them.

Icons: every size present, each drawn (not empty) and transparent at its rounded corners.
Sounds: plain PCM that the system's player takes, small, short, silent at both ends.
Picture: its size, all-or-nothing transparency, and text areas the labels can be read on.
Resource script: every resource named, every file present, the manifest well formed.

Usage: python3 check_resources.py [RESOURCE_DIR]; exits with 1 and lists what is wrong.
"""
import os
import re
import struct
import sys
import wave
import xml.etree.ElementTree as ET
import zlib

ICON_SIZES = [16, 20, 24, 32, 40, 48]
ICONS = {"AAAAA_APPICON": ICON_SIZES + [64, 256]}
ICONS.update({name: ICON_SIZES for name in (
    "ICON_HELP", "ICON_BL", "ICON_ZS", "ICON_TOOL", "ICON_ABOUT", "ICON_ESC", "ICON_RUNSETUP",
    "ICON_RERUNSETUP", "ICON_MONTH", "ICON_REMIND", "ICON_SET")})
# Shortest and longest acceptable length of each sound, in seconds.
SOUNDS = {"WAV_ZDSEN": (0.8, 1.3), "WAV_BDSEN": (0.5, 0.9), "WAV_BAOSHI": (0.6, 1.0),
          "WAV_RING": (1.5, 2.5)}
# Label rectangles of the square face (x, y, w, h in its 256 x 256 window) and their colours.
DARK_BLUE, CLOCK_GREEN = (0, 64, 128), (0, 229, 115)
TEXT_LABELS = {"date": (40, 16, 164, 23), "week": (14, 42, 230, 20), "hour": (12, 129, 230, 41),
               "lunar": (15, 177, 230, 63)}
# Where the clock's digits fall with the usual fonts; the plaque under them must be dark.
CLOCK_DIGITS = (30, 72, 196, 45)

problems = []


def fail(what):
    problems.append(what)


def decode_png(data):
    """Width, height and RGBA rows of an 8-bit RGBA or RGB PNG (all this program writes)."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, width = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(f"unexpected PNG form: depth {depth}, colour type {colour}")
            channels = 4 if colour == 6 else 3
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev = [], bytearray(stride)
    for j in range(height):
        kind = raw[j * (stride + 1)]
        line = bytearray(raw[j * (stride + 1) + 1:(j + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b, c = prev[i], prev[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        prev = line
        if channels == 3:
            line = b"".join(bytes(line[k:k + 3]) + b"\xff" for k in range(0, stride, 3))
        rows.append(bytes(line))
    return width, height, rows


def icon_images(data):
    """(size, RGBA rows) of every image in an icon file."""
    _, kind, count = struct.unpack("<HHH", data[:6])
    if kind != 1:
        raise ValueError("not an icon file")
    out = []
    for k in range(count):
        w, h, _, _, _, bpp, length, offset = struct.unpack("<BBBBHHII", data[6 + 16 * k:22 + 16 * k])
        w, h = w or 256, h or 256
        blob = data[offset:offset + length]
        if blob[:4] == b"\x89PNG":
            pw, ph, rows = decode_png(blob)
            if (pw, ph) != (w, h):
                fail(f"icon image {k} is {pw}x{ph} but listed as {w}x{h}")
        else:
            _, bw, bh, _, bits = struct.unpack("<IiiHH", blob[:16])
            if bits != 32 or bw != w or bh != 2 * h:
                fail(f"icon image {k}: {bw}x{bh // 2} at {bits} bits, listed as {w}x{h}")
                continue
            pixels = blob[40:40 + w * h * 4]
            rows = [b"".join(bytes((p[2], p[1], p[0], p[3]))
                             for p in (pixels[(h - 1 - j) * w * 4 + 4 * i:][:4] for i in range(w)))
                    for j in range(h)]
        out.append((w, rows))
    return out


def check_icon(path, sizes):
    name = os.path.basename(path)
    images = icon_images(open(path, "rb").read())
    if [s for s, _ in images] != sizes:
        fail(f"{name}: sizes {[s for s, _ in images]}, expected {sizes}")
    for size, rows in images:
        if rows[0][3] > 64 or rows[-1][-1] > 64:
            fail(f"{name} {size}px: the corners are not transparent")
        # The white sign must be there; a blank square would still load without complaint.
        light = sum(1 for row in rows for i in range(0, len(row), 4)
                    if row[i + 3] == 255 and min(row[i:i + 3]) > 200)
        if light < size * size * 0.06:
            fail(f"{name} {size}px: the sign is missing or too faint ({light} white pixels)")


def check_sound(path, shortest, longest):
    name = os.path.basename(path)
    data = open(path, "rb").read()
    if len(data) >= 100_000:
        fail(f"{name}: {len(data)} bytes, meant to stay well under 100 KB")
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE" or struct.unpack("<H", data[20:22])[0] != 1:
        fail(f"{name}: not a PCM WAVE file")
        return
    with wave.open(path) as w:
        if (w.getnchannels(), w.getsampwidth()) != (1, 2) or w.getframerate() > 22050:
            fail(f"{name}: {w.getnchannels()} channels, {8 * w.getsampwidth()} bits, "
                 f"{w.getframerate()} Hz; mono 16-bit at 22050 Hz or less expected")
            return
        seconds = w.getnframes() / w.getframerate()
        samples = struct.unpack(f"<{w.getnframes()}h", w.readframes(w.getnframes()))
    if not shortest <= seconds <= longest:
        fail(f"{name}: {seconds:.2f} s long, expected {shortest}..{longest} s")
    peak = max(abs(v) for v in samples) / 32768
    if not 0.2 < peak < 0.9:
        fail(f"{name}: peak {peak:.2f} of full scale (too quiet, or clipping)")
    # A sound that starts or stops away from zero clicks.
    if abs(samples[0]) > 300 or any(samples[-8:]):
        fail(f"{name}: starts at {samples[0]} or does not end in silence")
    jump = max(abs(a - b) for a, b in zip(samples, samples[1:])) / 32768
    if jump > 0.6:
        fail(f"{name}: a jump of {jump:.2f} of full scale between two samples")


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def check_picture(path):
    width, height, rows = decode_png(open(path, "rb").read())
    if (width, height) != (300, 380):
        fail(f"PNG_DZB.png: {width}x{height}, expected 300x380")
        return
    alphas = {row[i] for row in rows for i in range(3, len(row), 4)}
    if not alphas <= {0, 255}:
        fail(f"PNG_DZB.png: {len(alphas - {0, 255})} partial alpha values; they tint the grey "
             f"key colour into a halo")

    def at(x, y):
        """The pixel the window shows at (x, y) of its 256 x 256 face."""
        row = rows[int((y + 0.5) * height / 256)]
        i = 4 * int((x + 0.5) * width / 256)
        return row[i:i + 4]

    if at(0, 0)[3] or at(255, 255)[3]:
        fail("PNG_DZB.png: the corners are not transparent")
    def inside(x, y):
        """Within the frame, clear of its cut-in corners."""
        return all((x - cx) ** 2 + (y - cy) ** 2 > 18 ** 2 for cx in (3, 253) for cy in (3, 253))
    if any(at(x, y)[3] != 255 for y in range(6, 250) for x in range(6, 250) if inside(x, y)):
        fail("PNG_DZB.png: holes inside the frame")
    for label, (x0, y0, w, h) in TEXT_LABELS.items():
        # Lines are centred; their far ends are left to the corner ornaments.
        trim = round(w * 0.08)
        worst = min(contrast(DARK_BLUE, at(x, y)) for y in range(y0, y0 + h)
                    for x in range(x0 + trim, x0 + w - trim))
        if worst < 4.5:
            fail(f"PNG_DZB.png: {label} text would have contrast {worst:.1f} on the picture")
    x0, y0, w, h = CLOCK_DIGITS
    worst = min(contrast(CLOCK_GREEN, at(x, y)) for y in range(y0, y0 + h)
                for x in range(x0, x0 + w))
    if worst < 4.5:
        fail(f"PNG_DZB.png: the clock would have contrast {worst:.1f} on the picture")


def check_script(directory):
    text = open(os.path.join(directory, "tavelon.rc"), encoding="utf-8").read()
    wanted = [(n, "ICON", n + ".ico") for n in ICONS] + [(n, "WAVE", n + ".wav") for n in SOUNDS]
    wanted += [("PNG_DZB", "RCDATA", "PNG_DZB.png"), ("1", "RT_MANIFEST", "tavelon.manifest")]
    for name, kind, file in wanted:
        if not re.search(rf'^{name}\s+{kind}\s+"{re.escape(file)}"\s*$', text, re.M):
            fail(f"tavelon.rc: no line {name} {kind} \"{file}\"")
        # The build makes the manifest from its template, with the project's version.
        source = file + ".in" if file == "tavelon.manifest" else file
        if not os.path.isfile(os.path.join(directory, source)):
            fail(f"{source} is missing")
    if "VS_VERSION_INFO" not in text:
        fail("tavelon.rc: no version resource")
    try:
        ET.parse(os.path.join(directory, "tavelon.manifest.in"))
    except ET.ParseError as e:
        # A manifest that does not parse stops the program from starting at all.
        fail(f"tavelon.manifest: {e}")


def main(directory):
    check_script(directory)
    for name, sizes in ICONS.items():
        check_icon(os.path.join(directory, name + ".ico"), sizes)
    for name, (shortest, longest) in SOUNDS.items():
        check_sound(os.path.join(directory, name + ".wav"), shortest, longest)
    check_picture(os.path.join(directory, "PNG_DZB.png"))
    for p in problems:
        print("resources:", p, file=sys.stderr)
    total = sum(os.path.getsize(os.path.join(directory, f)) for f in os.listdir(directory)
                if f.endswith((".ico", ".wav", ".png")))
    print(f"resources: {'FAILED' if problems else 'ok'}, {total} bytes of binary files")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))))
