#!/usr/bin/env bash
# Builds the game and starts it: the window where there is a display, the
# terminal edition otherwise. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh cmake make g++ pkg-config libgtest-dev libbenchmark-dev \
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target aurovane-cli $( [ -f game/CMakeLists.txt ] && echo aurovane )
if [ -x build/game/aurovane ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/game/aurovane "$@"
fi
if [ -x build/game/aurovane ]; then
  echo "No display found: starting the terminal edition (build/cli/aurovane-cli) instead."
fi
exec build/cli/aurovane-cli "$@"
