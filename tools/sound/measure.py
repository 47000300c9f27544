#!/usr/bin/python3
"""Measures the sound files: format, duration, peak, RMS, clipping, DC, and for
the looping music the seam between the last and the first sample.

Usage: /usr/bin/python3 measure.py SOUND_DIR [SPECTROGRAM_DIR]
With SPECTROGRAM_DIR, also draws a sox spectrogram of each file there.
"""

import pathlib
import subprocess
import sys
import wave

import numpy as np

LOOPED = {"IDR_INTRO_SND"}


def read(path):
    with wave.open(str(path), "rb") as w:
        info = (w.getnchannels(), w.getsampwidth() * 8, w.getframerate())
        data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(float)
    return info, data


def db(x):
    return 20 * np.log10(max(x, 1e-9) / 32768.0)


def report(path):
    (channels, bits, rate), x = read(path)
    name = path.stem
    rms = np.sqrt(np.mean(x ** 2))
    peak = np.max(np.abs(x))
    clipped = int(np.sum(np.abs(x) >= 32767))
    print(f"{name}: {channels} ch {bits} bit {rate} Hz, {len(x) / rate:.3f} s, "
          f"{path.stat().st_size / 1024:.0f} KiB, peak {db(peak):.2f} dBFS, RMS {db(rms):.1f} dBFS, "
          f"DC {np.mean(x):.1f}, clipped samples {clipped}")
    n10 = rate // 100
    print(f"    first sample {x[0]:.0f}, last {x[-1]:.0f}; RMS first 10 ms {db(np.sqrt(np.mean(x[:n10] ** 2))):.1f} dBFS,"
          f" last 10 ms {db(np.sqrt(np.mean(x[-n10:] ** 2))):.1f} dBFS")
    if name in LOOPED:
        steps = np.abs(np.diff(x))
        seam = abs(x[0] - x[-1])
        frame = rate // 200  # 5 ms
        n50 = 10 * frame
        around = np.concatenate([x[-n50:], x[:n50]])
        frames = around.reshape(-1, frame)
        frame_db = [db(np.sqrt(np.mean(f ** 2))) for f in frames]
        print(f"    loop seam: |last-first| {seam:.0f}; adjacent-sample steps median {np.median(steps):.0f},"
              f" 99th pct {np.percentile(steps, 99):.0f}, max {np.max(steps):.0f}")
        print("    5 ms RMS frames across the seam (dBFS): "
              + " ".join(f"{v:.1f}" + (" |" if i == len(frames) // 2 - 1 else "") for i, v in enumerate(frame_db)))


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    sound_dir = pathlib.Path(argv[1])
    files = sorted(sound_dir.glob("*.wav"))
    for path in files:
        report(path)
    total = sum(p.stat().st_size for p in files)
    print(f"total {total / 1024:.0f} KiB in {len(files)} files")
    if len(argv) > 2:
        out = pathlib.Path(argv[2])
        out.mkdir(parents=True, exist_ok=True)
        for path in files:
            subprocess.run(["sox", str(path), "-n", "spectrogram", "-t", path.stem,
                            "-x", "1200", "-y", "513", "-o", str(out / f"{path.stem}.png")], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
