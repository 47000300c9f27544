#!/usr/bin/python3
"""Compares the Debian text-to-speech voices on three of our lesson texts.

For every voice it measures what can be measured without a human ear:
  - word accuracy: the speech recogniser pocketsphinx (Debian's
    pocketsphinx-en-us model) transcribes the recording, and we count how many
    of the ordinary (lower-case, non-number) words of the text it recovers in
    the right place. Names and numbers are left out, since the recogniser's
    vocabulary lacks most Roman names and spells numbers its own way.
  - native sample rate and audible bandwidth (the frequency below which 95 %
    of the energy lies; telephone-like voices stop near 4 kHz),
  - speaking rate in words per minute,
  - pitch movement: spread of the voice's fundamental frequency in semitones
    (a flat, robotic voice has little),
  - share of silence.
Writes out/voice-comparison.md and prints the table.

Usage: /usr/bin/python3 tools/lessons/compare_voices.py [--quick]
       /usr/bin/python3 tools/lessons/compare_voices.py --finalists
The second form records all ten narrations, through narrate.py's whole chain,
with the best voices of the first (FINALISTS, or the VOICE SPEED pairs given
after --finalists) and compares the recogniser's word accuracy on the
finished files (out/finalists.md).
"""

import os
import re
import subprocess
import sys
import tempfile
import wave

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lessondata  # noqa: E402
import voices  # noqa: E402

OUT = os.path.join(lessondata.HERE, "out")
# Maximinus Thrax, Three Empires, Constantine I, Adrianople, Sack of 455
SAMPLE_LESSONS = [162, 233, 161, 249, 163]

NUMBER_WORDS = set("""zero one two three four five six seven eight nine ten eleven twelve
thirteen fourteen fifteen sixteen seventeen eighteen nineteen twenty thirty forty fifty
sixty seventy eighty ninety hundred thousand and first second third ninth""".split())


def read_wav(path):
    with wave.open(path) as w:
        rate, n, width, ch = w.getframerate(), w.getnframes(), w.getsampwidth(), w.getnchannels()
        data = w.readframes(n)
    if width != 2:
        raise ValueError(path + ": not 16-bit")
    x = np.frombuffer(data, dtype="<i2").astype(np.float64) / 32768.0
    if ch > 1:
        x = x.reshape(-1, ch).mean(axis=1)
    return x, rate


def bandwidth95(x, rate):
    spectrum = np.abs(np.fft.rfft(x * np.hanning(len(x)))) ** 2
    freqs = np.fft.rfftfreq(len(x), 1.0 / rate)
    cum = np.cumsum(spectrum) / spectrum.sum()
    return float(freqs[np.searchsorted(cum, 0.95)])


def consonant_share(x, rate):
    """Share of the energy between 4 and 8 kHz: where s, f, t and th live.
    A muffled voice has little there; a buzzy one has too much."""
    spectrum = np.abs(np.fft.rfft(x * np.hanning(len(x)))) ** 2
    freqs = np.fft.rfftfreq(len(x), 1.0 / rate)
    band = (freqs >= 4000) & (freqs < 8000)
    return float(spectrum[band].sum() / spectrum[freqs < 8000].sum())


def pitch_track(x, rate):
    """Autocorrelation pitch of voiced 40 ms frames, 70-400 Hz."""
    frame = int(0.04 * rate)
    hop = frame // 2
    energies = [np.sqrt(np.mean(x[i:i + frame] ** 2)) for i in range(0, len(x) - frame, hop)]
    threshold = 0.25 * np.percentile(energies, 90)
    lo, hi = int(rate / 400), int(rate / 70)
    f0 = []
    for k, i in enumerate(range(0, len(x) - frame, hop)):
        if energies[k] < threshold:
            continue
        seg = x[i:i + frame] - np.mean(x[i:i + frame])
        spectrum = np.fft.rfft(seg, 2 * frame)
        ac = np.fft.irfft(spectrum * np.conj(spectrum))[:frame]
        if ac[0] <= 0:
            continue
        lag = lo + int(np.argmax(ac[lo:hi]))
        if ac[lag] / ac[0] > 0.5:  # clearly periodic: voiced
            f0.append(rate / lag)
    return np.array(f0)


def silence_share(x, rate):
    frame = int(0.02 * rate)
    e = np.array([np.sqrt(np.mean(x[i:i + frame] ** 2)) for i in range(0, len(x) - frame, frame)])
    return float(np.mean(e < 0.02 * e.max()))


def transcribe(path):
    with tempfile.TemporaryDirectory() as d:
        w16 = os.path.join(d, "a.wav")
        subprocess.run(["sox", path, "-r", "16000", "-c", "1", "-b", "16", w16], check=True)
        r = subprocess.run(["pocketsphinx_continuous", "-infile", w16, "-logfn", "/dev/null"],
                           check=True, capture_output=True, text=True)
    return r.stdout.lower().split()


def tokens(text):
    return re.findall(r"[A-Za-z']+|\d+", text)


def word_accuracy(reference_text, hyp):
    """Share of the ordinary words of the text recovered in order (edit alignment)."""
    ref = [t for t in tokens(reference_text)]
    keep = [t.islower() and t.lower() not in NUMBER_WORDS for t in ref]
    ref = [t.lower() for t in ref]
    hyp = [h for h in hyp if h not in NUMBER_WORDS]
    n, m = len(ref), len(hyp)
    d = np.zeros((n + 1, m + 1), dtype=int)
    d[:, 0] = np.arange(n + 1)
    d[0, :] = np.arange(m + 1)
    for i in range(1, n + 1):
        for j in range(1, m + 1):
            d[i, j] = min(d[i - 1, j] + 1, d[i, j - 1] + 1,
                          d[i - 1, j - 1] + (0 if ref[i - 1] == hyp[j - 1] else 1))
    i, j, hits = n, m, 0
    while i > 0 and j > 0:
        if ref[i - 1] == hyp[j - 1] and d[i, j] == d[i - 1, j - 1]:
            hits += keep[i - 1]
            i, j = i - 1, j - 1
        elif d[i, j] == d[i - 1, j - 1] + 1:
            i, j = i - 1, j - 1
        elif d[i, j] == d[i - 1, j] + 1:
            i -= 1
        else:
            j -= 1
    return hits, sum(keep)


FINALISTS = [("flite rms", 1.0), ("festival cmu_us_slt_arctic_hts", 1.12), ("flite rms", 1.1),
             ("flite rms", 1.15)]


def finalists(selection):
    """Records all narrations with each (voice, speed) of selection and scores
    them; rows of earlier runs for other voices stay in out/finalists.md."""
    import narrate
    md = os.path.join(OUT, "finalists.md")
    rows = {}
    if os.path.exists(md):
        for line in open(md, encoding="utf-8"):
            if line.startswith("| ") and "%" in line:
                rows[line.split("|")[1].strip()] = line.rstrip("\n")
    for name, speed in selection:
        hits = total = 0
        seconds = 0.0
        for lesson in lessondata.load_all():
            if not lesson.narration:
                continue
            path = os.path.join(OUT, "voices", "final-%s-%.2f-%s.wav"
                                % (name.replace(" ", "_"), speed, lesson.narration))
            narrate.record(lesson, path, voice=name, speed=speed)
            h, t = word_accuracy(lesson.text, transcribe(path))
            hits, total = hits + h, total + t
            seconds += narrate.sox_levels(path)[2]
        label = "%s (speed %.2f)" % (name, speed)
        rows[label] = "| %s | %.1f %% of %d words | %.0f s |" % (
            label, 100.0 * hits / total, total, seconds)
        print(rows[label], flush=True)
    with open(md, "w", encoding="utf-8") as f:
        f.write("All ten narrations through narrate.py, transcribed by pocketsphinx "
                "(generated by compare_voices.py --finalists)\n\n")
        f.write("| voice | ordinary words recognised | total length |\n|---|---|---|\n")
        f.write("\n".join(rows.values()) + "\n")


def spectra():
    """Adds the consonant band to voice-comparison.md, from the recordings the
    comparison left in out/voices."""
    import glob
    shares = {}
    for name in voices.VOICES:
        files = glob.glob(os.path.join(OUT, "voices", "%s-[0-9]*.wav" % name.replace(" ", "_")))
        vals = [consonant_share(*read_wav(f)) for f in files]
        if vals:
            shares[name] = 100 * float(np.mean(vals))
    md = os.path.join(OUT, "voice-comparison.md")
    text = open(md, encoding="utf-8").read().split("\n\nShare of energy")[0].rstrip("\n")
    text += "\n\nShare of energy between 4 and 8 kHz (consonants s, f, t, th; compare_voices.py --spectra)\n\n"
    text += "| voice | 4-8 kHz share |\n|---|---|\n"
    for name, v in sorted(shares.items(), key=lambda kv: -kv[1]):
        text += "| %s | %.2f %% |\n" % (name, v)
    open(md, "w", encoding="utf-8").write(text)
    print(text)


def main():
    if "--spectra" in sys.argv:
        spectra()
        return
    if "--finalists" in sys.argv:
        os.makedirs(os.path.join(OUT, "voices"), exist_ok=True)
        args = sys.argv[sys.argv.index("--finalists") + 1:]
        # optional: VOICE SPEED pairs, e.g. --finalists "flite rms" 1.1
        selection = ([(args[i], float(args[i + 1])) for i in range(0, len(args) - 1, 2)]
                     if args else FINALISTS)
        finalists(selection)
        return
    quick = "--quick" in sys.argv
    lessons = {l.picture: l for l in lessondata.load_all()}
    samples = [lessons[p] for p in SAMPLE_LESSONS[:1 if quick else None]]
    os.makedirs(os.path.join(OUT, "voices"), exist_ok=True)
    rows = []
    for name in voices.VOICES:
        hits = total = 0
        words = seconds = 0.0
        f0s, bws, sil, rate = [], [], [], None
        for lesson in samples:
            text = lesson.text
            path = os.path.join(OUT, "voices", "%s-%d.wav" % (name.replace(" ", "_"), lesson.picture))
            engine, _, rate = voices.VOICES[name]
            speed = rate if engine in ("festival", "flite") and rate else 1.0
            voices.synthesize(name, text, path, speed=speed)
            x, rate = read_wav(path)
            seconds += len(x) / rate
            words += len(tokens(text))
            bws.append(bandwidth95(x, rate))
            f0s.append(pitch_track(x, rate))
            sil.append(silence_share(x, rate))
            h, t = word_accuracy(text, transcribe(path))
            hits += h
            total += t
        f0 = np.concatenate(f0s)
        semis = 12 * np.log2(f0 / np.median(f0))
        rows.append((name, 100.0 * hits / total, rate, np.median(bws), 60 * words / seconds,
                     np.median(f0), float(np.std(semis)), 100 * np.mean(sil)))
        print("%-34s acc %5.1f%%  %5d Hz  bw95 %5.0f Hz  %4.0f wpm  f0 %4.0f Hz  spread %4.2f st  silence %4.1f%%"
              % rows[-1], flush=True)
    with open(os.path.join(OUT, "voice-comparison.md"), "w") as f:
        f.write("Voices compared on lessons %s (generated by compare_voices.py)\n\n" % SAMPLE_LESSONS)
        f.write("| voice | word accuracy (recogniser) | native rate | 95 % energy below | words/min | median pitch | pitch spread | silence |\n")
        f.write("|---|---|---|---|---|---|---|---|\n")
        for r in sorted(rows, key=lambda r: -r[1]):
            f.write("| %s | %.1f %% | %d Hz | %.0f Hz | %.0f | %.0f Hz | %.2f semitones | %.1f %% |\n" % r)


if __name__ == "__main__":
    main()
