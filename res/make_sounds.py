#!/usr/bin/env python3
"""Writes the two sounds of Tallyburn as 16-bit mono PCM WAVE files at 44,100 samples per second.

start.wav   3,940 samples (7,880 data bytes, about 89 ms): a short bright beep that marks each cycle's start.
failure.wav 46,253 samples (92,506 data bytes, about 1.05 s): a longer, falling low tone for a failed cycle.

The sample counts are fixed: the tool's resources are checked against them.
"""
import math
import struct
import sys
import wave
from pathlib import Path

RATE = 44100
START_SAMPLES = 3940
FAILURE_SAMPLES = 46253


def envelope(i, count, attack, release):
    """Linear attack and release, full level between them."""
    if i < attack:
        return i / attack
    if i > count - release:
        return max(0.0, (count - i) / release)
    return 1.0


def start_beep():
    samples = []
    for i in range(START_SAMPLES):
        t = i / RATE
        level = envelope(i, START_SAMPLES, 90, 900) * math.exp(-t * 18.0)
        value = math.sin(2 * math.pi * 1760.0 * t) + 0.3 * math.sin(2 * math.pi * 3520.0 * t)
        samples.append(0.45 * level * value / 1.3)
    return samples


def failure_tone():
    samples = []
    phase = 0.0
    for i in range(FAILURE_SAMPLES):
        progress = i / FAILURE_SAMPLES
        frequency = 220.0 - 80.0 * progress  # falls from 220 Hz to 140 Hz
        phase += 2 * math.pi * frequency / RATE
        # A few odd harmonics give a buzzer-like tone that is heard on a noisy line.
        value = math.sin(phase) + math.sin(3 * phase) / 3 + math.sin(5 * phase) / 5
        level = envelope(i, FAILURE_SAMPLES, 300, 6000)
        samples.append(0.5 * level * value / 1.53)
    return samples


def write(path, samples):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767))))) for s in samples)
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    folder.mkdir(parents=True, exist_ok=True)
    write(folder / "start.wav", start_beep())
    write(folder / "failure.wav", failure_tone())


if __name__ == "__main__":
    main()
