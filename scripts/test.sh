#!/usr/bin/env bash
# Builds everything and runs every test: the whole suite, then the core suites
# again under AddressSanitizer and UndefinedBehaviorSanitizer, with a short
# run of the saved-game reader's fuzzer and of the play fuzzer; last the browser edition.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh cmake make g++ pkg-config libgtest-dev libbenchmark-dev \
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev clang 'libclang-rt-14-dev?' 'appstream?' 'desktop-file-utils?' 'dpkg-dev?' 'shared-mime-info?' 'file?'
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DAUROVANE_SANITIZE=ON -DAUROVANE_FUZZ=ON -DAUROVANE_GUI=OFF -DAUROVANE_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# The browser edition, against the native terminal edition built above.
bash scripts/web.sh test
