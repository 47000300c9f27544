#!/usr/bin/env bash
# Rebuild all pictures owned by tools/art (see README.md).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/../../scripts/deps.sh" python3-pil python3-numpy librsvg2-bin
exec /usr/bin/python3 "$here/build.py" "$@"
