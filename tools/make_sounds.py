#!/usr/bin/env python3
"""Writes the two sounds of the XP-style buttons: data/media/over.wav (the pointer comes onto a
button) and data/media/click.wav (a button is clicked).

Run from the repository root:
    python3 tools/make_sounds.py           write both files
    python3 tools/make_sounds.py --check   check that the files on disk are what this script writes

Both are short and quiet, so that moving across a row of buttons does not get tiresome: 16-bit mono
PCM at 22050 Hz, a soft tick of 35 ms for the hover sound and a two-tone click of 70 ms. The program
plays them without waiting and never cuts one off for another, so they must end quickly. The output
is the same bytes on every run (no randomness, no time stamps).
"""

import io
import math
import struct
import sys
import wave
from pathlib import Path

MEDIA = Path("data") / "media"
RATE = 22050
PEAK = 32767


def tone(parts, duration, volume, attack=0.002):
    """Sum of sine partials (frequency in Hz, relative level) under a fast attack and an exponential
    decay; volume is the peak as a share of full scale."""
    frames = int(RATE * duration)
    samples = []
    for n in range(frames):
        t = n / RATE
        envelope = min(1.0, t / attack) * math.exp(-5.0 * t / duration)
        value = sum(level * math.sin(2 * math.pi * freq * t) for freq, level in parts)
        samples.append(volume * envelope * value)
    # A last few samples fade to silence, so the sound ends without a click of its own.
    fade = min(frames, int(RATE * 0.004))
    for i in range(fade):
        samples[frames - fade + i] *= (fade - i - 1) / fade
    return samples


def wav_bytes(samples):
    buffer = io.BytesIO()
    with wave.open(buffer, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", max(-PEAK, min(PEAK, round(s * PEAK)))) for s in samples))
    return buffer.getvalue()


def sounds():
    # Hover: a soft high tick, an eighth of full scale.
    over = tone([(2200.0, 0.7), (3300.0, 0.3)], duration=0.035, volume=0.12)
    # Click: a lower knock followed by a brighter one, a fifth of full scale.
    knock = tone([(900.0, 0.8), (1800.0, 0.2)], duration=0.030, volume=0.2)
    snap = tone([(1500.0, 0.8), (3000.0, 0.2)], duration=0.040, volume=0.16)
    click = knock + snap
    return {MEDIA / "over.wav": wav_bytes(over), MEDIA / "click.wav": wav_bytes(click)}


def main(argv):
    wanted = sounds()
    if "--check" in argv[1:]:
        stale = [str(path) for path, data in wanted.items() if not path.exists() or path.read_bytes() != data]
        for path in stale:
            print(f"{path} differs from what tools/make_sounds.py writes")
        return 1 if stale else 0
    MEDIA.mkdir(parents=True, exist_ok=True)
    for path, data in wanted.items():
        path.write_bytes(data)
        print(f"wrote {path} ({len(data)} bytes)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
