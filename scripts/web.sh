#!/usr/bin/env bash
# The browser edition: installs what it needs, builds the engine with
# emscripten, puts the static site together in build-web/site/ and serves it.
#   bash scripts/web.sh          build, then serve on http://localhost:8000 (PORT=... for another)
#   bash scripts/web.sh build    only build: build-web/site/ and build-web/cli/aurovane-cli.js
#   bash scripts/web.sh test     build, then run the browser edition's tests (needs build/cli/aurovane-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-serve}"
bash scripts/deps.sh cmake make python3 emscripten nodejs lame fonttools python3-brotli webp
# Debian's emscripten finds its node modules there, whichever node runs it.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

emcmake cmake -S web -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web -j"$(nproc)"
python3 web/assemble-site.py . build-web

case "$mode" in
  build)
    echo "Built the site in build-web/site/ and the terminal edition in build-web/cli/aurovane-cli.js"
    ;;
  test)
    # A node from elsewhere (NodeSource) brings its own npm and refuses Debian's.
    bash scripts/deps.sh chromium
    command -v npm >/dev/null || bash scripts/deps.sh npm
    (cd web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
    node web/tests/cli-equivalence.mjs build/cli/aurovane-cli build-web/cli/aurovane-cli.js 250
    node web/tests/browser-test.mjs build-web/site
    node web/tests/first-year-test.mjs build-web/site
    node web/tests/language-test.mjs build-web/site
    node web/tests/access-test.mjs build-web/site
    node web/tests/editor-test.mjs build-web/site build/cli/aurovane-cli
    node web/tests/phone-test.mjs build-web/site
    node web/tests/never-stuck-test.mjs build-web/site
    ;;
  serve)
    port="${PORT:-8000}"
    echo "Aurovane is at http://localhost:$port/ (Ctrl+C stops the server)"
    cd build-web/site && exec python3 -m http.server "$port" --bind 127.0.0.1
    ;;
  *)
    echo "usage: bash scripts/web.sh [build|test]" >&2
    exit 2
    ;;
esac
