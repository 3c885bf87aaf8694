#!/usr/bin/env bash
# Builds the web version into build-web/ (Emscripten, optimised):
#   scripts/build-web.sh            -> the game's page build-web/web/index.html
#                                      (+ .js, .wasm, .data), the example pages
#                                      and the node tests
#   scripts/build-web.sh vindra     -> only the named targets
# The game's files (word file, pictures, font) are made first by the native
# build's tools, in build/bin/. Serve the page with
#   python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/web
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-web-deps.sh
scripts/build.sh wordlist assets >/dev/null
source scripts/web-env.sh

targets=()
[ $# -gt 0 ] && targets=(--target "$@")
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DTAZMIX_WEB_DATA_DIR="$PWD/build/bin" >/dev/null
cmake --build build-web "${targets[@]}" -- -j"$(nproc)"
