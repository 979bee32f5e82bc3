#!/usr/bin/env python3
"""Builds the game's sounds from the text recipes in tools/sounds/.

Two kinds of recipe:

  effects (*.sfx): one sound a line, made of layers separated by '|':
      name: wave key=value ... | wave key=value ...
    wave   square, saw, tri, sine or noise
    f=A>B  start and end frequency in Hz (exponential slide); f=A holds A
    d=     duration in seconds              a=  attack in seconds
    s=     fraction of the layer held at full level before it decays
    v=     level (default 1)                at= start time within the sound
    vib=R:D  vibrato, R Hz, depth D (fraction of the frequency)
    arp=M@T  frequency multiplied by M from time T on
    duty=  square duty cycle                rep=N:G  repeat the layer N times, G s apart

  songs (*.song): a tiny step sequencer.
      song NAME tempo=BPM steps=PER_BEAT [bars=N]
        VOICE WAVE [v=LEVEL] [duty=D]: C5 E5 - . | G4 ...
      end
    Tonal voices take note names (C4, F#3, Bb5), '-' holds the previous note,
    '.' rests, '|' is only for reading.
    In both, a line starting with '#' is a comment. A voice whose wave is 'drums' takes
    k (kick), s (snare), h (hat). Every voice repeats to the song's length.

Output: 16-bit mono WAV at 22,050 Hz, peak-normalised, into --out.
"""
import argparse
import math
import os
import random
import struct
import sys
import wave
import zlib

RATE = 22050
PEAK = 0.85


# ---------------------------------------------------------------- oscillators

def oscillator(wave_name, duty, rng):
    if wave_name == "square":
        return lambda phase: 1.0 if phase < duty else -1.0
    if wave_name == "saw":
        return lambda phase: 2.0 * phase - 1.0
    if wave_name == "tri":
        return lambda phase: 4.0 * abs(phase - 0.5) - 1.0
    if wave_name == "sine":
        return lambda phase: math.sin(2.0 * math.pi * phase)
    if wave_name == "noise":
        return None  # handled by the caller: a new random level each cycle
    raise ValueError("unknown wave " + wave_name)


def render_layer(out, start, wave_name, f0, f1, dur, attack, sustain, level,
                 vib_rate, vib_depth, arp_mult, arp_time, duty, rng):
    n = int(dur * RATE)
    if n <= 0:
        return
    first = int(start * RATE)
    if len(out) < first + n:
        out.extend([0.0] * (first + n - len(out)))
    osc = oscillator(wave_name, duty, rng)
    ratio = (f1 / f0) if f0 > 0 else 1.0
    attack_n = max(1, int(attack * RATE))
    hold_n = int(sustain * n)
    phase = 0.0
    noise = rng.uniform(-1.0, 1.0)
    two_pi = 2.0 * math.pi
    for i in range(n):
        t = i / RATE
        x = i / n
        freq = f0 * (ratio ** x)
        if vib_depth:
            freq *= 1.0 + vib_depth * math.sin(two_pi * vib_rate * t)
        if arp_mult and t >= arp_time:
            freq *= arp_mult
        if i < attack_n:
            env = i / attack_n
        elif i < hold_n:
            env = 1.0
        else:
            rest = (i - max(attack_n, hold_n)) / max(1, n - max(attack_n, hold_n))
            env = (1.0 - rest) ** 1.5
        phase += freq / RATE
        if phase >= 1.0:
            phase -= int(phase)
            if osc is None:
                noise = rng.uniform(-1.0, 1.0)
        sample = noise if osc is None else osc(phase)
        out[first + i] += sample * env * level


# ---------------------------------------------------------------- effects

def parse_layer(text):
    tokens = text.split()
    layer = {"wave": tokens[0], "f": "440", "d": "0.2", "a": "0.005", "s": "0",
             "v": "1", "at": "0", "vib": "", "arp": "", "duty": "0.5", "rep": ""}
    for token in tokens[1:]:
        key, _, value = token.partition("=")
        if key not in layer:
            raise ValueError("unknown key " + key)
        layer[key] = value
    return layer


def render_effect(name, recipe):
    rng = random.Random(zlib.crc32(name.encode()))
    out = []
    for text in recipe.split("|"):
        layer = parse_layer(text)
        f0, _, f1 = layer["f"].partition(">")
        f0 = float(f0)
        f1 = float(f1) if f1 else f0
        vib_rate, vib_depth = (float(x) for x in layer["vib"].split(":")) if layer["vib"] else (0.0, 0.0)
        arp_mult, arp_time = (float(x) for x in layer["arp"].split("@")) if layer["arp"] else (0.0, 0.0)
        count, gap = (float(x) for x in layer["rep"].split(":")) if layer["rep"] else (1, 0.0)
        for k in range(int(count)):
            render_layer(out, float(layer["at"]) + k * gap, layer["wave"], f0, f1, float(layer["d"]),
                         float(layer["a"]), float(layer["s"]), float(layer["v"]),
                         vib_rate, vib_depth, arp_mult, arp_time, float(layer["duty"]), rng)
    return out


# ---------------------------------------------------------------- songs

NOTE_OFFSETS = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}


def note_frequency(token):
    letter = token[0].upper()
    rest = token[1:]
    offset = NOTE_OFFSETS[letter]
    while rest and rest[0] in "#b":
        offset += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2.0 ** ((offset + 12 * (octave - 4)) / 12.0)


def render_drum(out, start, kind, level, rng):
    if kind == "k":
        render_layer(out, start, "sine", 150, 40, 0.18, 0.002, 0.1, level, 0, 0, 0, 0, 0.5, rng)
    elif kind == "s":
        render_layer(out, start, "noise", 6000, 3000, 0.14, 0.002, 0.0, level * 0.7, 0, 0, 0, 0, 0.5, rng)
        render_layer(out, start, "tri", 220, 160, 0.08, 0.002, 0.0, level * 0.5, 0, 0, 0, 0, 0.5, rng)
    elif kind == "h":
        render_layer(out, start, "noise", 12000, 12000, 0.04, 0.001, 0.0, level * 0.4, 0, 0, 0, 0, 0.5, rng)
    else:
        raise ValueError("unknown drum " + kind)


def render_song(name, header, voices):
    rng = random.Random(zlib.crc32(name.encode()))
    tempo = float(header.get("tempo", "120"))
    steps_per_beat = float(header.get("steps", "2"))
    step = 60.0 / tempo / steps_per_beat
    length = max(len(tokens) for _, _, tokens in voices)
    length = max(length, int(header.get("bars", "0")) * int(4 * steps_per_beat))
    total = length * step
    out = [0.0] * int(total * RATE + 1)
    for wave_name, options, tokens in voices:
        level = float(options.get("v", "0.3"))
        duty = float(options.get("duty", "0.5"))
        pattern = [tokens[i % len(tokens)] for i in range(length)]
        i = 0
        while i < length:
            token = pattern[i]
            if token in (".", "-"):
                i += 1
                continue
            held = 1
            while i + held < length and pattern[i + held] == "-":
                held += 1
            if wave_name == "drums":
                render_drum(out, i * step, token, level, rng)
            else:
                f = note_frequency(token)
                render_layer(out, i * step, wave_name, f, f, held * step * 0.95, 0.01, 0.6, level,
                             5.0, 0.004, 0, 0, duty, rng)
            i += held
    del out[int(total * RATE):]  # a loop ends exactly on its last step
    return out


# ---------------------------------------------------------------- files

def write_wav(path, samples):
    peak = max((abs(s) for s in samples), default=0.0)
    scale = PEAK / peak if peak > 0 else 0.0
    frames = struct.pack("<%dh" % len(samples), *(int(max(-1.0, min(1.0, s * scale)) * 32767) for s in samples))
    temporary = path + ".tmp"
    with wave.open(temporary, "wb") as handle:
        handle.setnchannels(1)
        handle.setsampwidth(2)
        handle.setframerate(RATE)
        handle.writeframes(frames)
    os.replace(temporary, path)


def read_effects(path):
    with open(path) as handle:
        for number, line in enumerate(handle, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            name, _, recipe = line.partition(":")
            if not recipe:
                raise ValueError("%s:%d: expected 'name: layers'" % (path, number))
            yield name.strip(), lambda n=name.strip(), r=recipe: render_effect(n, r)


def read_songs(path):
    song = None
    with open(path) as handle:
        for number, line in enumerate(handle, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            words = line.split()
            if words[0] == "song":
                header = dict(w.split("=", 1) for w in words[2:])
                song = (words[1], header, [])
            elif words[0] == "end":
                name, header, voices = song
                yield name, lambda n=name, h=header, v=voices: render_song(n, h, v)
                song = None
            else:
                voice, _, notes = line.partition(":")
                parts = voice.split()
                options = dict(w.split("=", 1) for w in parts[2:])
                tokens = [t for t in notes.split() if t != "|"]
                if song is None or not tokens:
                    raise ValueError("%s:%d: voice outside a song" % (path, number))
                song[2].append((parts[1], options, tokens))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True)
    parser.add_argument("--stamp")
    parser.add_argument("recipes", nargs="+")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    seen = set()
    for recipe in sorted(args.recipes):
        reader = read_songs if recipe.endswith(".song") else read_effects
        for name, render in reader(recipe):
            if name in seen:
                sys.exit("%s: %s is defined twice" % (recipe, name))
            seen.add(name)
            write_wav(os.path.join(args.out, name + ".wav"), render())
    if args.stamp:
        with open(args.stamp, "w") as handle:
            handle.write("%d sounds\n" % len(seen))
    print("Generated %d sounds in %s" % (len(seen), args.out))


if __name__ == "__main__":
    main()
