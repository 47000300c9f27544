#!/usr/bin/python3
"""Records the ten lesson narrations with the chosen text-to-speech voice.

Each lesson's title and text (with the respellings of lessondata.SPOKEN) are
spoken, then sox turns the recording into the game's sound format: PCM 16-bit
mono 22050 Hz, silence trimmed to a short lead-in and tail, long pauses
shortened, a high-pass against rumble, light compression so that all lessons
sound equally loud, and a peak of -3 dBFS like the game's other sounds.

Writes game/resources/sounds/<NARRATION>.wav (the other languages'
sounds/<lang>/<NARRATION>.wav, at 11025 Hz) and prints each one's length,
size, peak and RMS level.

Usage: /usr/bin/python3 tools/lessons/narrate.py [--lang LANG] [RESOURCE_NAME ...]
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import lessondata  # noqa: E402
import voices  # noqa: E402

RATE = 22050
# espeak-ng's formant voices put next to nothing above 5 kHz: at 11025 Hz
# their narrations lose no sound and take half the room.
ESPEAK_RATE = 11025
PEAK_DB = -3.0
# flite's rms voice reads about 150 words a minute; 15 % faster, with pauses
# capped at 0.4 s, it stays as well understood and keeps each narration of a
# 100-word lesson well under 2 MB.
SPEED = 1.15
MAX_PAUSE = "0.4"
# Peak normalisation alone leaves lessons 3 dB apart in loudness (one loud
# syllable sets the gain of a whole file); quieter ones are raised toward this
# RMS level and their few loud peaks limited, the peak staying at -3 dBFS.
TARGET_RMS_DB = -18.5


def sox_levels(path):
    r = subprocess.run(["sox", path, "-n", "stats"], capture_output=True, text=True, check=True)
    vals = {}
    for line in r.stderr.splitlines():
        parts = line.rsplit(None, 1)
        if len(parts) == 2:
            vals[parts[0].strip()] = parts[1]
    return float(vals["Pk lev dB"]), float(vals["RMS lev dB"]), float(vals["Length s"])


def record(lesson, out_path, voice=voices.CHOSEN, speed=SPEED):
    rate = ESPEAK_RATE if voices.VOICES[voice][0] == "espeak" else RATE
    with tempfile.TemporaryDirectory() as d:
        raw = os.path.join(d, "raw.wav")
        voices.synthesize(voice, lessondata.spoken_text(lesson), raw, speed=speed)
        # -R: repeatable dither, so regenerating gives identical files
        subprocess.run(["sox", "-R", raw, "-r", str(rate), "-c", "1", "-b", "16",
                        "-e", "signed-integer", out_path,
                        "highpass", "60",
                        # trim the lead-in and tail, and shorten long pauses
                        "silence", "-l", "1", "0.02", "0.2%", "-1", MAX_PAUSE, "0.2%",
                        # gentle compression: every lesson equally loud, not only
                        # equally peaked
                        "compand", "0.01,0.15", "-70,-70,-40,-30,-20,-14,0,-6", "-3", "-40",
                        "pad", "0.25", "0.5",
                        "rate", "-v", str(rate),
                        "gain", "-n", str(PEAK_DB)], check=True)
        for attempt in range(3):
            _, rms, _ = sox_levels(out_path)
            if rms >= TARGET_RMS_DB - 0.3:
                break
            louder = os.path.join(d, "louder.wav")
            subprocess.run(["sox", "-R", out_path, louder,
                            "gain", "%.2f" % (TARGET_RMS_DB - rms),
                            "compand", "0.0005,0.08", "6:-6,-6,0,-3.5",
                            "gain", "-n", str(PEAK_DB)], check=True)
            os.replace(louder, out_path)


def main():
    args = sys.argv[1:]
    languages = ["en"] + lessondata.LANGUAGES
    if args[:1] == ["--lang"]:
        languages, args = [args[1]], args[2:]
    only = set(args)
    for language in languages:
        narrate_language(language, only)


def narrate_language(language, only):
    sounds = os.path.join(lessondata.RESOURCES, "sounds")
    if language != "en":
        sounds = os.path.join(sounds, language)
    os.makedirs(sounds, exist_ok=True)
    for lesson in lessondata.load_all(language):
        if not lesson.narration or (only and lesson.narration not in only):
            continue
        path = os.path.join(sounds, lesson.narration + ".wav")
        record(lesson, path, voices.NARRATOR[language])
        peak, rms, length = sox_levels(path)
        print("%s %-22s %5.1f s %7.0f KB  peak %5.1f dBFS  RMS %5.1f dBFS"
              % (language, lesson.narration, length, os.path.getsize(path) / 1024, peak, rms), flush=True)


if __name__ == "__main__":
    main()
