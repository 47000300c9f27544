#!/bin/sh
# Regenerates the map (picture 111), the 69 province tints and the debug
# pictures.  Needs npm and the Debian packages listed in README.md.
set -e
cd "$(dirname "$0")"
[ -f node_modules/world-atlas/land-50m.json ] || npm ci --no-audit --no-fund
exec /usr/bin/python3 generate.py "$@"
