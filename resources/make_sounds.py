"""Synthesises the four WAVE sounds: PCM, mono, 16-bit, small enough to embed.

WAV_ZDSEN   two bell strokes, high then low, before the on-the-hour sentence
WAV_BDSEN   one softer stroke before the half-hour sentence
WAV_BAOSHI  three quick rising mallet notes that ask for attention before an alarm sentence
WAV_RING    two bursts of quick strokes on a pair of small bells after the alarm sentence

Every note starts with a short rise and every file ends in silence, so nothing clicks.
Usage: python3 make_sounds.py OUTPUT_DIR
"""
import math
import os
import struct
import sys
import wave

RATE = 22050
# The ring is the longest sound; a lower rate keeps it small and its tones stay far below the
# limit of that rate.
RING_RATE = 16000

# A struck bell: partials above the note, the higher ones dying away sooner.
BELL = ((1.0, 1.00, 1.00), (2.0, 0.42, 0.55), (3.0, 0.18, 0.35), (4.16, 0.10, 0.20),
        (5.43, 0.05, 0.12))
# A mallet on a wooden bar: a strong note and its bright fourth harmonic, both short.
MALLET = ((1.0, 1.00, 1.00), (3.93, 0.28, 0.25), (9.2, 0.06, 0.08))


def note(buf, rate, start, freq, length, partials, decay, level, attack=0.004):
    """Adds one struck note to buf (floats) from start seconds on."""
    first = int(start * rate)
    count = min(len(buf) - first, int(length * rate))
    for k in range(count):
        t = k / rate
        rise = 0.5 - 0.5 * math.cos(math.pi * t / attack) if t < attack else 1.0
        v = 0.0
        for ratio, amp, life in partials:
            f = freq * ratio
            if f >= rate / 2 * 0.9:
                continue
            # A second string a hair sharper gives the slow shimmer of a real bell.
            v += amp * math.exp(-t / (decay * life)) * (
                math.sin(2 * math.pi * f * t) + 0.35 * math.sin(2 * math.pi * f * 1.0021 * t))
        buf[first + k] += level * rise * v


def finish(buf, rate, peak, fade=0.08):
    """Scales to the given peak, fades the tail to silence and packs 16-bit samples."""
    top = max(abs(v) for v in buf) or 1.0
    n = len(buf)
    fade_n = int(fade * rate)
    out = bytearray()
    for k, v in enumerate(buf):
        g = peak / top
        if k >= n - fade_n:
            g *= 0.5 + 0.5 * math.cos(math.pi * (k - (n - fade_n)) / fade_n)
        out += struct.pack("<h", max(-32767, min(32767, round(v * g * 32767))))
    # The very last samples are exact zeros.
    out[-8:] = bytes(8)
    return bytes(out)


def chime_hour():
    buf = [0.0] * int(1.05 * RATE)
    note(buf, RATE, 0.00, 659.26, 1.05, BELL, 0.42, 1.0)   # E5
    note(buf, RATE, 0.36, 523.25, 0.69, BELL, 0.45, 1.0)   # C5
    return RATE, finish(buf, RATE, 0.70)


def chime_half():
    buf = [0.0] * int(0.70 * RATE)
    note(buf, RATE, 0.00, 783.99, 0.70, BELL, 0.30, 1.0)   # G5
    return RATE, finish(buf, RATE, 0.42)


def alert():
    buf = [0.0] * int(0.80 * RATE)
    for k, freq in enumerate((1046.50, 1318.51, 1567.98)):   # C6 E6 G6
        note(buf, RATE, 0.11 * k, freq, 0.80 - 0.11 * k, MALLET, 0.16 if k < 2 else 0.30, 1.0)
    return RATE, finish(buf, RATE, 0.68)


def ring():
    """Two bursts of quick strokes on a pair of small bells, like an old desk bell."""
    buf = [0.0] * int(2.0 * RING_RATE)
    for burst in (0.0, 1.0):
        strokes = 10
        for k in range(strokes):
            start = burst + 0.075 * k
            # The burst swells in and dies away instead of starting and stopping hard.
            level = math.sin(math.pi * (k + 0.5) / strokes) ** 0.6
            freq = 1318.51 if k % 2 == 0 else 1567.98   # E6 / G6
            note(buf, RING_RATE, start, freq, 2.0 - start, BELL, 0.11, level)
    return RING_RATE, finish(buf, RING_RATE, 0.55, fade=0.06)


SOUNDS = {"WAV_ZDSEN": chime_hour, "WAV_BDSEN": chime_half, "WAV_BAOSHI": alert,
          "WAV_RING": ring}


def main(out_dir):
    for name, make in SOUNDS.items():
        rate, frames = make()
        with wave.open(os.path.join(out_dir, name + ".wav"), "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(rate)
            w.writeframes(frames)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
