#!/usr/bin/python3
"""Synthesises the four game sound effects from scratch (no recordings).

  IDR_SWORD_SND  clash of two blades: a sharp strike, inharmonic metallic ring,
                 a scrape of steel on steel and a lighter second blow.
  IDR_MARCH_SND  a column of soldiers marching in step (hobnailed sandals on
                 gravel, rattling armour) led by a marching drum.
  IDR_COUGH_SND  a fit of coughing with the breaths between (the plague).
  IDR_PFJ_SND    an angry crowd shouting.

Usage: /usr/bin/python3 effects.py OUTPUT_DIR [NAME...]
Fixed random seeds: the same command always writes the same files.
"""

import pathlib
import sys

import numpy as np

import dsp
from dsp import WORK_RATE, place, seconds


# ---------------------------------------------------------------- swords ---

# Bending modes of a free bar (a blade is close to one); the ratios are
# inharmonic, which is what makes metal sound like metal rather than a note.
BAR_MODES = [1.0, 2.756, 5.404, 8.933, 13.345]


def blade_ring(f0, duration, rng, brightness=1.0):
    t = dsp.time_axis(duration)
    out = np.zeros_like(t)
    partials = [(f0 * r, 1.0 / (1 + 0.35 * i), 1.8 / (1 + 0.5 * i)) for i, r in enumerate(BAR_MODES)]
    # Plate-like modes of the wider part of the blade and the guard.
    for _ in range(14):
        f = np.exp(rng.uniform(np.log(1800), np.log(9500)))
        partials.append((f, rng.uniform(0.15, 0.55) * brightness, rng.uniform(0.15, 0.8) * 2000 / f + 0.1))
    for freq, amp, t60 in partials:
        if freq > 0.45 * dsp.OUT_RATE:  # nothing above what the file can hold
            continue
        # Each mode is split in two slightly detuned ones: the shimmer of a real blade.
        beat = rng.uniform(0.7, 4.0)
        phase = rng.uniform(0, 2 * np.pi, 2)
        tone = np.sin(2 * np.pi * freq * t + phase[0]) + 0.6 * np.sin(2 * np.pi * (freq + beat) * t + phase[1])
        out += amp * tone * np.exp(-6.9 * t / t60)
    # Strikes excite the ring within a millisecond.
    out *= np.minimum(t / 0.0008, 1.0)
    return out


def strike_transient(rng, duration=0.03):
    n = seconds(duration)
    noise = rng.standard_normal(n)
    crack = dsp.highpass(noise, 1500) * dsp.attack_decay(n, 0.0003, 0.004)
    body = dsp.bandpass(noise, 300, 2500) * dsp.attack_decay(n, 0.0005, 0.008)
    return 2.2 * crack + 0.8 * body


def scrape(duration, rng):
    """Edge sliding along edge: noise through a sweeping comb of resonances."""
    n = seconds(duration)
    t = np.arange(n) / WORK_RATE
    noise = rng.standard_normal(n)
    # Stick-slip: the friction comes in quick grains, not as steady hiss.
    grains = np.clip(dsp.lowpass(rng.standard_normal(n), 180) * 3.0 + 0.6, 0, None)
    x = np.zeros(n)
    for centre in (3100.0, 4300.0, 6100.0):
        x += dsp.sweeping_resonator(noise, centre * (1.0 - 0.25 * t / duration), 120)
    x = dsp.highpass(x, 1200) * grains
    env = np.sin(np.pi * np.clip(t / duration, 0, 1)) ** 0.7
    return x * env


def make_sword():
    rng = np.random.default_rng(1071)
    length = 1.25
    track = np.zeros(seconds(length))
    # First blow: full strike, both blades ring.
    place(track, strike_transient(rng), 0.004, 1.0)
    place(track, blade_ring(620.0, length, rng), 0.004, 0.55)
    place(track, blade_ring(845.0, length, rng, brightness=0.8), 0.005, 0.40)
    # Blades slide apart.
    place(track, scrape(0.16, rng), 0.05, 0.045)
    # Parried second blow, lighter and higher.
    place(track, strike_transient(rng), 0.33, 0.55)
    place(track, blade_ring(760.0, length - 0.33, rng), 0.33, 0.28)
    track = dsp.highpass(track, 250, order=2)
    track = dsp.reverb(track, 0.6, 0.12, rng, brightness=6000)[: len(track)]
    return dsp.fade(track, fade_out=0.12)


# ----------------------------------------------------------------- march ---

MEMBRANE_MODES = [(1.0, 1.0, 0.55), (1.594, 0.55, 0.32), (2.136, 0.40, 0.25),
                  (2.296, 0.30, 0.22), (2.653, 0.22, 0.16), (2.918, 0.15, 0.12)]


def drum_hit(f0, strength, rng, duration=0.9):
    """A large cylinder drum: circular-membrane modes, a pitch drop as the skin relaxes."""
    n = seconds(duration)
    t = np.arange(n) / WORK_RATE
    glide = 1.0 + 0.18 * strength * np.exp(-t / 0.035)
    out = np.zeros(n)
    for ratio, amp, t60 in MEMBRANE_MODES:
        phase = 2 * np.pi * np.cumsum(f0 * ratio * glide) / WORK_RATE
        out += amp * np.sin(phase) * np.exp(-6.9 * t / (t60 * (0.7 + 0.5 * strength)))
    beater = dsp.lowpass(rng.standard_normal(n), 1800) * dsp.attack_decay(n, 0.0005, 0.012)
    shell = dsp.bandpass(rng.standard_normal(n), 200, 900) * dsp.attack_decay(n, 0.001, 0.06)
    return strength * (out + 0.6 * beater + 0.25 * shell) * np.minimum(t / 0.002, 1.0)


def footfall(rng, heavy):
    """One sandal on a gravel road: a dull thump, the crunch, the hobnails."""
    n = seconds(0.16)
    t = np.arange(n) / WORK_RATE
    thump_f = rng.uniform(55, 85)
    thump = np.sin(2 * np.pi * thump_f * t) * dsp.attack_decay(n, 0.003, 0.03)
    thump += dsp.lowpass(rng.standard_normal(n), 350) * dsp.attack_decay(n, 0.002, 0.025) * 1.5
    crunch = dsp.bandpass(rng.standard_normal(n), 900, 4500) * dsp.attack_decay(n, 0.004, 0.035)
    grit = np.clip(rng.standard_normal(n), 2.2, None) - 2.2  # sparse pebbles
    crunch *= 0.5 + 2.5 * dsp.lowpass(grit, 600)
    nails = dsp.highpass(rng.standard_normal(n), 3500) * dsp.attack_decay(n, 0.0002, 0.003)
    return (1.6 if heavy else 1.2) * thump + 0.55 * crunch + 0.35 * nails


def armour_clink(rng):
    n = seconds(0.12)
    t = np.arange(n) / WORK_RATE
    out = np.zeros(n)
    for _ in range(4):
        f = rng.uniform(2500, 7500)
        out += np.sin(2 * np.pi * f * t + rng.uniform(0, 6.3)) * np.exp(-t / rng.uniform(0.01, 0.04))
    return out * np.minimum(t / 0.0005, 1.0)


def make_march():
    rng = np.random.default_rng(312)
    length = 3.2
    step = 0.5  # quick march, 120 paces a minute
    soldiers = 28
    track = np.zeros(seconds(length))
    first = 0.04
    steps = 6
    for s in range(steps):
        beat = first + s * step
        left = s % 2 == 0
        for _ in range(soldiers):
            when = beat + abs(rng.normal(0.0, 0.014)) + rng.uniform(0, 0.006)
            place(track, footfall(rng, left), when, rng.uniform(0.07, 0.15))
            if rng.random() < 0.35:
                place(track, armour_clink(rng), when + rng.uniform(0.0, 0.05), rng.uniform(0.01, 0.03))
        # The drum marks the left foot loudly and the right foot lightly.
        place(track, drum_hit(72.0 if left else 96.0, 1.0 if left else 0.45, rng), beat, 0.75)
    track = dsp.highpass(track, 35, order=2)
    track = dsp.reverb(track, 0.9, 0.18, rng, brightness=3500)[: len(track)]
    return dsp.fade(track, fade_in=0.002, fade_out=0.25)


# -------------------------------------------------------------- voice kit ---

# Formant frequencies and bandwidths of some vowels (adult male values).
VOWELS = {
    "a": [(730, 90), (1090, 110), (2440, 160), (3400, 250), (4200, 300)],
    "o": [(570, 80), (840, 90), (2410, 160), (3300, 250), (4200, 300)],
    "u": [(440, 80), (1020, 100), (2240, 150), (3300, 250), (4200, 300)],
    "e": [(530, 80), (1840, 110), (2480, 160), (3500, 250), (4300, 300)],
    "ae": [(660, 90), (1720, 110), (2410, 160), (3500, 250), (4300, 300)],
    "uh": [(640, 100), (1190, 110), (2390, 160), (3300, 250), (4200, 300)],
}


def glottal_source(f0, open_quotient=0.6, rng=None, jitter=0.0, shimmer=0.0):
    """Rosenberg glottal pulses, differentiated (radiation at the lips).

    f0 is an array (one value per sample) so pitch can move; jitter and shimmer
    make the voice rough, as a strained or sick voice is.
    """
    f = f0.copy()
    if rng is not None and jitter > 0:
        f *= 1.0 + jitter * dsp.lowpass(rng.standard_normal(len(f)), 400) * 3.0
    phase = np.cumsum(f) / WORK_RATE
    p = phase - np.floor(phase)
    tp = 0.65 * open_quotient
    tn = 0.35 * open_quotient
    g = np.where(p < tp, 0.5 * (1 - np.cos(np.pi * p / tp)),
                 np.where(p < tp + tn, np.cos(0.5 * np.pi * (p - tp) / tn), 0.0))
    if rng is not None and shimmer > 0:
        cycle = np.floor(phase).astype(int)
        amps = 1.0 + shimmer * rng.standard_normal(cycle[-1] + 2)
        g *= amps[cycle]
    d = np.diff(g, prepend=0.0)
    return d / (np.max(np.abs(d)) + 1e-12), g


# ----------------------------------------------------------------- cough ---

def one_cough(rng, strength=1.0, pitch=125.0, vowel="uh", length=0.32):
    n = seconds(length)
    t = np.arange(n) / WORK_RATE
    scale = rng.uniform(0.95, 1.08)
    table = VOWELS[vowel]
    # Explosive phase: the glottis bursts open on compressed air.
    burst_env = dsp.attack_decay(n, 0.004, 0.07) * (1 + 0.8 * np.exp(-t / 0.012))
    burst = dsp.formants(rng.standard_normal(n), [(f, bw * 2.2) for f, bw in table], scale)
    burst = dsp.pre_emphasis(burst, 0.7) + 0.5 * dsp.bandpass(rng.standard_normal(n), 150, 900)
    # Hiss of the air rushing through the windpipe, strongest in the first instant.
    burst += 0.25 * dsp.bandpass(rng.standard_normal(n), 2000, 6000) * np.exp(-t / 0.03)
    # Turbulence in the airway gives the rattle of a chesty cough.
    rattle = 1.0 + 0.9 * np.sin(2 * np.pi * rng.uniform(22, 35) * t) * np.exp(-t / 0.12)
    burst *= burst_env * rattle
    # Voiced phase: the folds vibrate roughly as the airflow falls.
    f0 = pitch * (1.15 - 0.35 * t / length)
    src, flow = glottal_source(f0, 0.5, rng, jitter=0.03, shimmer=0.25)
    voiced = dsp.formants(src + 0.3 * rng.standard_normal(n) * flow, table, scale)
    v_env = np.clip((t - 0.035) / 0.02, 0, 1) * np.exp(-np.maximum(t - 0.06, 0) / 0.04)
    voiced *= v_env
    x = burst / (np.std(burst) + 1e-12) + 0.6 * voiced / (np.std(voiced) + 1e-12)
    x *= np.clip((length - t) / 0.04, 0, 1)
    return strength * x


def breath_in(duration, rng, rasp=0.0):
    """Quick inhalation between coughs: breathy noise shaped like a high vowel."""
    n = seconds(duration)
    t = np.arange(n) / WORK_RATE
    x = dsp.formants(rng.standard_normal(n), [(f, bw * 3) for f, bw in VOWELS["e"]], 1.15)
    x = dsp.highpass(x, 700)
    if rasp > 0:
        # A wheeze: a narrow whistle in the constricted airway.
        wheeze = dsp.sweeping_resonator(rng.standard_normal(n), 900 + 250 * t / duration, 25)
        x = x / (np.std(x) + 1e-12) + rasp * wheeze / (np.std(wheeze) + 1e-12)
    env = np.sin(np.pi * t / duration) ** 1.5
    return x / (np.std(x) + 1e-12) * env


def make_cough():
    rng = np.random.default_rng(542)
    length = 2.6
    track = np.zeros(seconds(length))
    place(track, breath_in(0.32, rng), 0.02, 0.12)
    fit = [(0.38, 1.0, 128.0, "uh"), (0.72, 0.85, 122.0, "a"), (1.02, 0.7, 118.0, "uh")]
    for when, strength, pitch, vowel in fit:
        place(track, one_cough(rng, strength, pitch, vowel), when, 1.0)
    place(track, breath_in(0.42, rng, rasp=0.7), 1.42, 0.16)
    place(track, one_cough(rng, 0.9, 130.0, "a", 0.34), 1.9, 1.0)
    place(track, one_cough(rng, 0.5, 112.0, "uh", 0.3), 2.2, 1.0)
    track = dsp.highpass(track, 90, order=2)
    track = dsp.reverb(track, 0.35, 0.1, rng, brightness=3000)[: len(track)]
    return dsp.fade(track, fade_in=0.005, fade_out=0.08)


# ----------------------------------------------------------------- crowd ---

def shout(rng, duration, base_pitch, vowels, formant_scale, effort):
    n = seconds(duration)
    t = np.arange(n) / WORK_RATE
    # Shouted speech: pitch jumps up at the start, holds, falls at the end.
    rise = np.clip(t / 0.07, 0, 1)
    fall = np.clip((duration - t) / 0.12, 0, 1)
    f0 = base_pitch * (1.0 + effort * (0.35 + 0.3 * rise * fall + 0.08 * np.sin(2 * np.pi * rng.uniform(3, 6) * t)))
    src, flow = glottal_source(f0, 0.45, rng, jitter=0.01, shimmer=0.12)
    src += 0.08 * rng.standard_normal(n) * flow
    a = dsp.formants(src, VOWELS[vowels[0]], formant_scale * (1 + 0.12 * effort))
    if len(vowels) > 1:
        b = dsp.formants(src, VOWELS[vowels[1]], formant_scale * (1 + 0.12 * effort))
        mix = np.clip((t - 0.4 * duration) / (0.3 * duration), 0, 1)
        a = (1 - mix) * a + mix * b
    # Shouting pushes energy into the upper harmonics: the voice turns brassy.
    a = dsp.pre_emphasis(a, 0.6 + 0.3 * effort)
    env = np.clip(t / 0.03, 0, 1) * np.clip((duration - t) / 0.08, 0, 1) ** 1.5
    x = a / (np.std(a) + 1e-12) * env
    # Many shouts start with a consonant: a short burst of hiss.
    if rng.random() < 0.6:
        k = seconds(0.04)
        hiss = dsp.bandpass(rng.standard_normal(k), rng.choice([1800.0, 2500.0, 3500.0]), 7000) * np.exp(-np.arange(k) / seconds(0.012))
        x[:k] += 0.8 * hiss
    return x


def make_crowd():
    rng = np.random.default_rng(66)
    length = 3.6
    track = np.zeros(seconds(length))
    vowel_choices = [("a",), ("o",), ("a", "o"), ("ae",), ("e", "a"), ("u", "a"), ("o", "e"), ("a", "e")]
    for voice in range(26):
        young = rng.random() < 0.2
        base = rng.uniform(190, 250) if young else rng.uniform(95, 150)
        scale = rng.uniform(1.08, 1.18) if young else rng.uniform(0.92, 1.04)
        loud = rng.uniform(0.3, 1.0) ** 1.5
        when = rng.uniform(-0.3, 0.25)
        while when < length:
            d = rng.uniform(0.25, 0.75)
            vowels = vowel_choices[rng.integers(len(vowel_choices))]
            effort = rng.uniform(0.5, 1.0)
            x = shout(rng, d, base, vowels, scale, effort)
            if when < 0:
                x = x[seconds(-when):]
                when = 0.0
            place(track, x, when, loud * (0.6 + 0.4 * effort))
            when += d + rng.uniform(0.05, 0.45)
    # The front rows chant together, two syllables a second, slightly out of
    # unison: that is what makes a mob rather than a market.
    chanters = [(rng.uniform(100, 160), rng.uniform(0.92, 1.05)) for _ in range(10)]
    for beat in (0.35, 1.35, 2.35):
        for base, scale in chanters:
            lag = abs(rng.normal(0, 0.025))
            place(track, shout(rng, 0.2, base, ("a",), scale, 1.0), beat + lag, 1.2)
            place(track, shout(rng, 0.42, base * 1.12, ("o", "u"), scale, 1.0), beat + 0.3 + lag, 1.4)
    # The murmur of the many further back: vowel-coloured noise in slow waves.
    n = len(track)
    bed = dsp.formants(dsp.pink_noise(n, rng), [(f, bw * 2) for f, bw in VOWELS["a"]], 1.0)
    swell = 1.0 + 0.5 * dsp.lowpass(rng.standard_normal(n), 4) * 20
    bed = bed / np.std(bed) * np.clip(swell, 0.3, None)
    track = track / np.std(track) + 0.2 * bed
    track = dsp.highpass(track, 100, order=2)
    track = dsp.reverb(track, 1.1, 0.22, rng, brightness=3500)[: len(track)]
    return dsp.fade(track, fade_in=0.15, fade_out=0.4)


GENERATORS = {
    "IDR_SWORD_SND": make_sword,
    "IDR_MARCH_SND": make_march,
    "IDR_COUGH_SND": make_cough,
    "IDR_PFJ_SND": make_crowd,
}


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    out_dir = pathlib.Path(argv[1])
    out_dir.mkdir(parents=True, exist_ok=True)
    names = argv[2:] or list(GENERATORS)
    for name in names:
        y = dsp.finish(out_dir / f"{name}.wav", GENERATORS[name]())
        print(f"{name}.wav: {len(y) / dsp.OUT_RATE:.2f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
