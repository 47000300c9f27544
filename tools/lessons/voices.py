"""The text-to-speech voices that Debian packages offer, behind one call.

Each voice writes a WAVE file at its own native rate; narrate.py converts the
result to the game's sound format afterwards, so that a voice can be swapped
without touching anything else.
"""

import os
import subprocess
import tempfile

# name -> (engine, engine's own voice id, speaking rate: espeak-ng's words per
# minute, or for festival the speed factor the comparison uses)
VOICES = {
    "espeak-ng en-us": ("espeak", "en-us", 150),
    "espeak-ng en-gb-x-rp": ("espeak", "en-gb-x-rp", 150),
    # the other languages' narrators: Debian has no other engine with voices
    # for them (the mbrola voices are not in its main archive)
    "espeak-ng de": ("espeak", "de", 172),
    "espeak-ng fr-fr": ("espeak", "fr-fr", 172),
    "espeak-ng it": ("espeak", "it", 172),
    "espeak-ng es": ("espeak", "es", 172),
    "flite kal16": ("flite", "kal16", None),
    "flite awb": ("flite", "awb", None),
    "flite rms": ("flite", "rms", None),
    "flite slt": ("flite", "slt", None),
    "festival kal_diphone": ("festival", "kal_diphone", None),
    "festival ked_diphone": ("festival", "ked_diphone", None),
    "festival cmu_us_slt_arctic_hts": ("festival", "cmu_us_slt_arctic_hts", None),
    # the same voice at the pace the narrations use (narrate.py SPEED)
    "festival cmu_us_slt_arctic_hts x1.12": ("festival", "cmu_us_slt_arctic_hts", 1.12),
}

# The voice the narrations are recorded with: it was understood best by the
# speech recogniser in compare_voices.py (see README.md).
CHOSEN = "flite rms"

# The narrator of each language.
NARRATOR = {"en": CHOSEN, "de": "espeak-ng de", "fr": "espeak-ng fr-fr",
            "it": "espeak-ng it", "es": "espeak-ng es"}


def synthesize(voice, text, out_wav, speed=1.0):
    """Speak text into out_wav with the named voice.

    speed > 1 speaks faster (flite's duration_stretch; festival's HTS speech
    rate or, for the diphone voices, Duration_Stretch); espeak-ng takes its
    words per minute from VOICES.
    """
    engine, vid, rate = VOICES[voice]
    if engine == "espeak":
        # -a 60 of its 100: at full amplitude its loudest syllables clip in the
        # filters that narrate.py runs afterwards
        subprocess.run(["espeak-ng", "-v", vid, "-s", str(rate), "-a", "60", "-w", out_wav, text],
                       check=True)
    elif engine == "flite":
        pace = ["--setf", "duration_stretch=%.3f" % (1.0 / speed)] if speed != 1.0 else []
        subprocess.run(["flite", "-voice", vid] + pace + ["-t", text, "-o", out_wav], check=True)
    elif engine == "festival":
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
            f.write(text + "\n")
            path = f.name
        try:
            pace = ("(set! hts_engine_params (append hts_engine_params '((\"-r\" %.3f))))" % speed
                    if vid.endswith("_hts") else
                    "(Parameter.set 'Duration_Stretch %.3f)" % (1.0 / speed))
            subprocess.run(["text2wave", "-o", out_wav, "-eval", "(voice_%s)" % vid,
                            "-eval", pace, path], check=True, stdout=subprocess.DEVNULL)
        finally:
            os.unlink(path)
    else:
        raise ValueError("unknown engine " + engine)
    if not os.path.exists(out_wav) or os.path.getsize(out_wav) < 1000:
        raise RuntimeError("%s produced no audio for %r" % (voice, text[:40]))
