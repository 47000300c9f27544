"""Small signal-processing kit shared by the sound generators.

Everything is synthesised at WORK_RATE (twice the delivered rate) so that
sharp pulses and high partials alias less, then decimated to OUT_RATE with a
proper low-pass filter when the file is written.
"""

import wave

import numpy as np
from scipy import signal

OUT_RATE = 22050
WORK_RATE = 2 * OUT_RATE
# The narrations use the same peak level, so sounds and voices match in loudness.
PEAK_DBFS = -3.0


def seconds(n):
    return int(round(n * WORK_RATE))


def time_axis(duration):
    return np.arange(seconds(duration)) / WORK_RATE


def place(track, snippet, start_seconds, gain=1.0):
    """Adds snippet into track at the given time, clipping at the track's end."""
    start = seconds(start_seconds)
    if start >= len(track):
        return
    end = min(len(track), start + len(snippet))
    track[start:end] += gain * snippet[: end - start]


def resonator(x, freq, bandwidth, rate=WORK_RATE):
    """Two-pole resonator with unity gain at 0 Hz (the classic formant filter)."""
    t = 1.0 / rate
    c = -np.exp(-2.0 * np.pi * bandwidth * t)
    b = 2.0 * np.exp(-np.pi * bandwidth * t) * np.cos(2.0 * np.pi * freq * t)
    a = 1.0 - b - c
    return signal.lfilter([a], [1.0, -b, -c], x)


def sweeping_resonator(x, freqs, bandwidth, block=64):
    """Resonator whose centre follows freqs (one value per sample), updated per block."""
    t = 1.0 / WORK_RATE
    c = -np.exp(-2.0 * np.pi * bandwidth * t)
    y = np.zeros_like(x)
    state = np.zeros(2)
    for start in range(0, len(x), block):
        f = freqs[start]
        b = 2.0 * np.exp(-np.pi * bandwidth * t) * np.cos(2.0 * np.pi * f * t)
        a = 1.0 - b - c
        y[start:start + block], state = signal.lfilter([a], [1.0, -b, -c], x[start:start + block], zi=state)
    return y


def formants(x, table, scale=1.0):
    """Cascade of resonators: table is a list of (frequency, bandwidth)."""
    y = x
    for freq, bw in table:
        f = min(freq * scale, 0.45 * WORK_RATE)
        y = resonator(y, f, bw)
    return y


def pre_emphasis(x, k=0.9):
    """+6 dB per octave tilt above a few hundred Hz: restores the brightness
    that a cascade of formant resonators takes away."""
    return np.concatenate([x[:1], x[1:] - k * x[:-1]])


def bandpass(x, low, high, order=4):
    sos = signal.butter(order, [low, high], btype="bandpass", fs=WORK_RATE, output="sos")
    return signal.sosfilt(sos, x)


def lowpass(x, cutoff, order=4):
    sos = signal.butter(order, cutoff, btype="lowpass", fs=WORK_RATE, output="sos")
    return signal.sosfilt(sos, x)


def highpass(x, cutoff, order=4):
    sos = signal.butter(order, cutoff, btype="highpass", fs=WORK_RATE, output="sos")
    return signal.sosfilt(sos, x)


def pink_noise(n, rng):
    """1/f noise by shaping white noise in the frequency domain."""
    spectrum = np.fft.rfft(rng.standard_normal(n))
    f = np.arange(len(spectrum), dtype=float)
    f[0] = 1.0
    spectrum /= np.sqrt(f)
    y = np.fft.irfft(spectrum, n)
    return y / (np.std(y) + 1e-12)


def exp_decay(t, tau):
    return np.exp(-t / tau)


def attack_decay(n, attack, tau):
    """Envelope rising linearly over attack seconds then decaying with time constant tau."""
    t = np.arange(n) / WORK_RATE
    env = np.exp(-np.maximum(t - attack, 0.0) / tau)
    if attack > 0:
        env *= np.minimum(t / attack, 1.0)
    return env


def fade(x, fade_in=0.0, fade_out=0.0):
    """Raised-cosine fades, so one-shot sounds start and end at silence without a click."""
    y = x.copy()
    n_in = seconds(fade_in)
    n_out = seconds(fade_out)
    if n_in > 0:
        y[:n_in] *= 0.5 - 0.5 * np.cos(np.linspace(0, np.pi, n_in))
    if n_out > 0:
        y[-n_out:] *= 0.5 + 0.5 * np.cos(np.linspace(0, np.pi, n_out))
    return y


def room_response(rt60, rng, predelay=0.01, brightness=4000.0):
    """Impulse response of a synthetic room: noise decaying by 60 dB in rt60
    seconds, losing its highs as it decays, with unit energy."""
    n = seconds(rt60)
    t = np.arange(n) / WORK_RATE
    tail = rng.standard_normal(n) * np.exp(-6.9 * t / rt60)
    early = lowpass(tail, brightness, order=2)
    late = lowpass(tail, brightness / 4, order=2)
    mix = np.clip(t / rt60 * 2.0, 0.0, 1.0)
    ir = (1 - mix) * early + mix * late
    ir = np.concatenate([np.zeros(seconds(predelay)), ir])
    return ir / (np.sqrt(np.sum(ir ** 2)) + 1e-12)


def reverb(x, rt60, wet, rng, predelay=0.01, brightness=4000.0):
    """Adds the room's reverberation; the result is longer than x by the tail."""
    wet_signal = signal.fftconvolve(x, room_response(rt60, rng, predelay, brightness))
    dry = np.concatenate([x, np.zeros(len(wet_signal) - len(x))])
    return dry + wet * wet_signal


def circular_reverb(x, rt60, wet, rng, predelay=0.01, brightness=4000.0):
    """Reverberation of x played as an endless loop: the tail of the end
    wraps round onto the beginning, so the result loops as seamlessly as x."""
    ir = room_response(rt60, rng, predelay, brightness)
    if len(ir) >= len(x):
        raise ValueError("reverberation longer than the loop")
    wet_signal = np.fft.irfft(np.fft.rfft(x) * np.fft.rfft(ir, len(x)), len(x))
    return x + wet * wet_signal


def to_out_rate(x):
    """Anti-aliased decimation from WORK_RATE to OUT_RATE."""
    return signal.resample_poly(x, 1, 2)


def normalise(x, peak_dbfs=PEAK_DBFS):
    x = x - np.mean(x)
    peak = np.max(np.abs(x))
    if peak == 0:
        raise ValueError("silent signal")
    return x * (10 ** (peak_dbfs / 20.0)) / peak


def write_wav(path, x):
    """Writes a mono 16-bit PCM WAVE at OUT_RATE; x is already at OUT_RATE, in -1..1."""
    pcm = np.clip(np.round(x * 32767.0), -32767, 32767).astype("<i2")
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(OUT_RATE)
        w.writeframes(pcm.tobytes())


def finish(path, x, fade_out=0.05):
    """Decimates, normalises to the house peak level, fades the tail to silence and writes."""
    y = to_out_rate(x)
    y = normalise(y)
    n = int(fade_out * OUT_RATE)
    if n > 0:
        y[-n:] *= 0.5 + 0.5 * np.cos(np.linspace(0, np.pi, n))
    y[0] = 0.0
    y[-1] = 0.0
    write_wav(path, y)
    return y
