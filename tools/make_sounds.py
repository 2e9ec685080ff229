#!/usr/bin/env python3
"""Writes the game's four wave files into data/: a card flick, a card landing,
a riffle shuffle and a short bell. 22050 Hz, 16-bit mono, from fixed seeds, so
that running it again gives the same files."""
import math
import os
import random
import struct
import wave

RATE = 22050


def write(name, samples):
    path = os.path.join(os.path.dirname(__file__), "..", "data", name)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767))))
                                 for s in samples))


def noise_burst(rng, length, decay, cutoff):
    """Noise through a one-pole low-pass, with an exponential fade."""
    out, last = [], 0.0
    for i in range(length):
        last += cutoff * (rng.uniform(-1, 1) - last)
        out.append(last * math.exp(-i / (decay * RATE)))
    return out


def card_flick():
    rng = random.Random(1)
    burst = noise_burst(rng, int(0.09 * RATE), 0.018, 0.55)
    return [s * 0.9 for s in burst]


def card_down():
    rng = random.Random(2)
    burst = noise_burst(rng, int(0.14 * RATE), 0.03, 0.18)
    thump = [0.5 * math.sin(2 * math.pi * 95 * i / RATE) * math.exp(-i / (0.025 * RATE))
             for i in range(len(burst))]
    return [0.8 * (a + b) for a, b in zip(burst, thump)]


def shuffle():
    rng = random.Random(3)
    total = int(1.1 * RATE)
    out = [0.0] * total
    t = 0.02
    while t < 1.0:
        start = int(t * RATE)
        for i, s in enumerate(noise_burst(rng, int(0.012 * RATE), 0.003, 0.7)):
            if start + i < total:
                out[start + i] += 0.6 * s
        t += rng.uniform(0.012, 0.03) * (1.0 + 0.8 * t)
    return out


def bell():
    length = int(0.6 * RATE)
    partials = [(880, 1.0), (1760, 0.5), (2637, 0.25), (3520, 0.12)]
    return [0.35 * sum(a * math.sin(2 * math.pi * f * i / RATE) for f, a in partials)
            * math.exp(-i / (0.15 * RATE)) * min(1.0, i / 40) for i in range(length)]


write("Card.wav", card_flick())
write("down.wav", card_down())
write("Shuffle.wav", shuffle())
write("ringout.wav", bell())
