#!/usr/bin/env bash
# Regenerates every game sound into game/resources/sounds and prints their measurements.
# Usage: tools/sound/make_sounds.sh [SPECTROGRAM_DIR]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="$root/game/resources/sounds"
"$root/scripts/deps.sh" python3-numpy python3-scipy sox fluidsynth fluid-soundfont-gm
# Debian's interpreter: it is the one that sees python3-numpy and python3-scipy.
py=/usr/bin/python3
cd "$here"
"$py" effects.py "$out"
"$py" intro_music.py "$out/IDR_INTRO_SND.wav"
"$py" measure.py "$out" "$@"
