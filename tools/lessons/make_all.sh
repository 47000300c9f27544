#!/usr/bin/env bash
# Regenerates every lesson picture and narration (and, with --compare, the voice comparison).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
pkgs=(python3-pil python3-numpy librsvg2-bin fonts-ebgaramond flite espeak-ng sox)
if [ "${1:-}" = "--compare" ]; then
  pkgs+=(espeak-ng festival festvox-us-slt-hts festvox-kallpc16k festvox-kdlpc16k pocketsphinx pocketsphinx-en-us)
fi
bash "$root/scripts/deps.sh" "${pkgs[@]}"
# Debian's python, which has the python3-* packages (a pyenv python would not)
py=/usr/bin/python3
"$py" "$here/make_pictures.py"
"$py" "$here/narrate.py"
if [ "${1:-}" = "--compare" ]; then
  "$py" "$here/compare_voices.py"
  "$py" "$here/compare_voices.py" --spectra
  "$py" "$here/compare_voices.py" --finalists
fi
