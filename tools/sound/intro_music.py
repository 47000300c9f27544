#!/usr/bin/python3
"""Composes and renders the introduction music, IDR_INTRO_SND.

An eight-bar piece in D Dorian at a processional 75 beats a minute: a lyre
(harp) ostinato, a drone of low strings, an aulos-like oboe melody answered by
horns and voices, frame drum and kettle drum. The score below is ours; this
script writes it as a Standard MIDI File, renders it with fluidsynth and the
free FluidR3 General MIDI sound font, and cuts a seamless loop out of it.

Seamless loop: the eight bars are rendered dry three times in a row and the
middle pass is kept, so its opening already carries the release of the
previous pass's last notes, exactly as when the game loops the file. The hall
reverberation is then added by circular convolution, so the tail of the last
bar rings on into the first: the last sample flows into the first one like
any other pair of neighbours.

Usage: /usr/bin/python3 intro_music.py OUTPUT_WAV [--keep-midi FILE]
Needs fluidsynth and fluid-soundfont-gm (Debian packages).
"""

import pathlib
import struct
import subprocess
import sys
import tempfile
import warnings

import numpy as np
from scipy import signal
from scipy.io import wavfile

import dsp

SOUND_FONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
RENDER_RATE = 44100
TICKS = 480  # per quarter note
TEMPO_US = 800000  # 75 beats a minute
BAR = 4 * TICKS
BARS = 8
LOOP_TICKS = BARS * BAR
PASSES = 3
# One pass lasts 25.6 s: a whole number of milliseconds and of fluidsynth's
# 64-sample blocks, so every pass is rendered with the same event timing.
LOOP_SECONDS = BARS * 4 * TEMPO_US / 1e6

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def midi_note(name):
    """'A4' -> 69, 'C#3' -> 49."""
    pitch = NOTE_NAMES[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        pitch += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        pitch -= 1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pitch


# ------------------------------------------------------------------ score ---

# Channels and General MIDI programs.
# The frame drum is the Taiko program on an ordinary channel rather than the
# percussion channel: this sound font's kit does not render the same way twice,
# which would break the loop.
OBOE, HARP, STRINGS, HORNS, CHOIR, BASS, TIMPANI, DRUMS = 0, 1, 2, 3, 4, 5, 6, 7
PROGRAMS = {OBOE: 68, HARP: 46, STRINGS: 48, HORNS: 60, CHOIR: 52, BASS: 42, TIMPANI: 47, DRUMS: 116}
VOLUMES = {OBOE: 100, HARP: 96, STRINGS: 100, HORNS: 88, CHOIR: 76, BASS: 90, TIMPANI: 84, DRUMS: 68}
FRAME_DRUM_KEY = "D3"

# The harmony, one chord a bar: Dorian i - bVII - IV - i, then bIII - bVII - v - bVII,
# whose last bar falls back into the first (the modal bVII-i close).
ROOTS = ["D", "C", "G", "D", "F", "C", "A", "C"]
PAD = [["A3", "D4", "F4"], ["G3", "C4", "E4"], ["G3", "B3", "D4"], ["A3", "D4", "F4"],
       ["A3", "C4", "F4"], ["G3", "C4", "E4"], ["A3", "C4", "E4"], ["G3", "C4", "E4"]]
# Third and fifth above each root, in semitones.
THIRDS = {"D": 3, "C": 4, "G": 4, "F": 4, "A": 3}

# The melody, (note or None for a rest, length in beats), bar by bar.
MELODY = [
    [("A4", 1.5), ("G4", 0.5), ("F4", 1), ("E4", 0.5), ("F4", 0.5)],
    [("G4", 1.5), ("E4", 0.5), ("C4", 1), ("E4", 0.5), ("G4", 0.5)],
    [("B4", 1), ("A4", 0.5), ("B4", 0.5), ("D5", 1.5), ("C5", 0.5)],
    [("A4", 3), (None, 1)],
    [("C5", 1.5), ("D5", 0.5), ("C5", 1), ("A4", 1)],
    [("G4", 1.5), ("A4", 0.5), ("G4", 0.5), ("F4", 0.5), ("E4", 1)],
    [("E4", 0.5), ("F4", 0.5), ("G4", 1), ("A4", 1), ("C5", 1)],
    [("C5", 1), ("B4", 0.5), ("A4", 0.5), ("G4", 2)],
]


def score():
    """All notes of one pass: (start tick, length in ticks, channel, key, velocity)."""
    notes = []

    def add(start_beats, beats, channel, key, velocity):
        notes.append((int(round(start_beats * TICKS)), int(round(beats * TICKS)), channel,
                      midi_note(key) if isinstance(key, str) else key, velocity))

    for bar in range(BARS):
        b0 = 4 * bar
        second_half = bar >= 4
        root = ROOTS[bar]
        r3 = midi_note(root + "3")
        third, fifth = THIRDS[root], 7
        # Lyre ostinato in eighths: up the chord and back.
        figure = [r3, r3 + fifth, r3 + 12, r3 + 12 + third, r3 + 12 + fifth, r3 + 12 + third, r3 + 12, r3 + fifth]
        for i, key in enumerate(figure):
            accent = 14 if i in (0, 4) else 0
            add(b0 + 0.5 * i, 0.9, HARP, key, 58 + accent + (8 if second_half else 0))
        # Sustained chord in the strings, voices join in the answer.
        for key in PAD[bar]:
            add(b0, 4, STRINGS, key, 52 if not second_half else 60)
            if second_half:
                add(b0, 4, CHOIR, midi_note(key) + 12, 50)
        # Low strings: root, with the fifth above as a drone.
        add(b0, 4, BASS, midi_note(root + "2"), 72)
        add(b0, 4, BASS, midi_note(root + "2") + 7, 56)
        # Melody: the oboe alone first, doubled an octave down by horns in the answer.
        t = b0
        for key, beats in MELODY[bar]:
            if key is not None:
                add(t, beats * 0.95, OBOE, key, 84 if not second_half else 92)
                if second_half:
                    add(t, beats * 0.95, HORNS, midi_note(key) - 12, 82)
            t += beats
        # Frame drum (low floor tom) in a processional step.
        pattern = [(0, 96), (1.5, 52), (2, 76)] + ([(3, 58)] if second_half else [])
        if bar == BARS - 1:
            pattern = [(0, 96), (1.5, 52), (2, 76), (3, 70), (3.5, 80)]
        for beat, vel in pattern:
            add(b0 + beat, 0.4, DRUMS, FRAME_DRUM_KEY, vel)
        # Kettle drum on the tonic at the start of each half, and a roll that
        # swells at the end of the piece and lands on the first bar again.
        if bar in (0, 4):
            add(b0, 2, TIMPANI, "D2", 92)
        if bar == 3:
            add(b0 + 2, 2, TIMPANI, "A1", 70)
        if bar == BARS - 1:
            for i in range(8):
                add(b0 + 2 + 0.25 * i, 0.25, TIMPANI, "A1", 40 + 5 * i)
    return notes


# ------------------------------------------------------------- MIDI file ---

def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def midi_file(notes, passes):
    """A format-0 Standard MIDI File playing the notes `passes` times in a row."""
    events = []  # (tick, order, bytes): note-offs sort before note-ons at the same tick
    events.append((0, 0, bytes([0xFF, 0x51, 0x03]) + TEMPO_US.to_bytes(3, "big")))
    events.append((0, 0, bytes([0xFF, 0x58, 0x04, 4, 2, 24, 8])))
    for channel, program in PROGRAMS.items():
        events.append((0, 1, bytes([0xC0 | channel, program])))
    for channel, volume in VOLUMES.items():
        events.append((0, 1, bytes([0xB0 | channel, 7, volume])))
        events.append((0, 1, bytes([0xB0 | channel, 91, 0])))
        events.append((0, 1, bytes([0xB0 | channel, 93, 0])))
    # Everything starts one bar in, after the set-up messages have settled.
    offset = BAR
    for p in range(passes):
        base = offset + p * LOOP_TICKS
        for start, length, channel, key, velocity in notes:
            events.append((base + start, 3, bytes([0x90 | channel, key, velocity])))
            events.append((base + start + length, 2, bytes([0x80 | channel, key, 0])))
    end = offset + passes * LOOP_TICKS + 4 * BAR  # room for the last tails
    events.append((end, 9, bytes([0xFF, 0x2F, 0x00])))
    events.sort(key=lambda e: (e[0], e[1]))
    track = bytearray()
    now = 0
    for tick, _, data in events:
        track += var_len(tick - now) + data
        now = tick
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS)
    return header + b"MTrk" + struct.pack(">I", len(track)) + bytes(track), offset


# ------------------------------------------------------------- rendering ---

def render(midi_path, wav_path):
    subprocess.run(["fluidsynth", "-n", "-i", "-q", "-F", str(wav_path), "-T", "wav", "-O", "float",
                    "-r", str(RENDER_RATE), "-g", "0.5", "-R", "0", "-C", "0", SOUND_FONT, str(midi_path)],
                   check=True)
    with warnings.catch_warnings():
        # fluidsynth adds an information chunk that scipy does not need.
        warnings.simplefilter("ignore", wavfile.WavFileWarning)
        rate, data = wavfile.read(wav_path)
    if rate != RENDER_RATE:
        raise RuntimeError(f"fluidsynth rendered at {rate} Hz")
    data = data.astype(np.float64)
    return data.mean(axis=1) if data.ndim == 2 else data


def make_loop(mono, offset_ticks):
    """Cuts the middle pass out, adds the hall and brings it to the delivered rate.

    Returns the loop and how much the second and third passes differ (relative
    to the peak): the loop is only seamless when the passes are the same.
    """
    seconds_per_tick = TEMPO_US / 1e6 / TICKS
    start = int(round((offset_ticks + LOOP_TICKS) * seconds_per_tick * RENDER_RATE))
    length = int(round(LOOP_SECONDS * RENDER_RATE))
    middle = mono[start:start + length]
    third = mono[start + length:start + 2 * length]
    difference = np.max(np.abs(middle - third)) / (np.max(np.abs(middle)) + 1e-12)
    if difference > 0.005:
        raise RuntimeError(f"passes differ by {100 * difference:.2f} % of the peak: the loop would click")
    # A stone basilica: long, dark reverberation. Applied as if the pass were
    # already looping, so the hall's tail of the last bar rings into the first.
    rng = np.random.default_rng(476)
    wet = dsp.circular_reverb(middle, 2.4, 0.55, rng, predelay=0.025, brightness=5000.0)
    # Decimate three copies in a row and keep the middle one, so that the
    # filter sees the loop's own continuation on both sides.
    factor = RENDER_RATE // dsp.OUT_RATE
    tiled = signal.resample_poly(np.tile(wet, 3), 1, factor)
    n = length // factor
    return tiled[n:2 * n], difference


def start_at_zero_crossing(loop, search_seconds=0.06):
    """Rotates the loop so that it starts at a quiet zero crossing shortly
    before the first downbeat. Rotating a seamless loop keeps it seamless; the
    first and last samples then straddle zero, so the first play starts from
    silence without a click and the wrap is a step of a few units."""
    rate = dsp.OUT_RATE
    n = len(loop)
    window = int(0.002 * rate)
    energy = np.convolve(loop ** 2, np.ones(2 * window + 1), mode="same")
    best, best_score = 0, None
    for i in range(n - int(search_seconds * rate), n):
        a, b = loop[i - 1], loop[i]
        if a == 0 or (a < 0) != (b < 0):
            score = abs(a) + abs(b) + 0.05 * np.sqrt(energy[i])
            if best_score is None or score < best_score:
                best, best_score = i, score
    return np.roll(loop, -best), (n - best) / rate


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    out_path = pathlib.Path(argv[1])
    keep_midi = argv[argv.index("--keep-midi") + 1] if "--keep-midi" in argv else None
    data, offset = midi_file(score(), PASSES)
    with tempfile.TemporaryDirectory() as tmp:
        midi_path = pathlib.Path(tmp) / "intro.mid"
        midi_path.write_bytes(data)
        if keep_midi:
            pathlib.Path(keep_midi).write_bytes(data)
        mono = render(midi_path, pathlib.Path(tmp) / "intro.wav")
    loop, difference = make_loop(mono, offset)
    # Normalised without fading the ends: the file must stay continuous where
    # it wraps around.
    loop = loop - np.mean(loop)
    loop *= 10 ** (dsp.PEAK_DBFS / 20) / np.max(np.abs(loop))
    loop, lead = start_at_zero_crossing(loop)
    out_path.parent.mkdir(parents=True, exist_ok=True)
    dsp.write_wav(out_path, loop)
    print(f"{out_path.name}: {len(loop) / dsp.OUT_RATE:.2f} s loop starting {1000 * lead:.1f} ms before "
          f"the downbeat; passes differ by at most {100 * difference:.2f} % of the peak")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
