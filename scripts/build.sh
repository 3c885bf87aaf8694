#!/usr/bin/env bash
# Configures and builds one build tree, all of it or only the named targets.
#   scripts/build.sh                 -> build/      (optimised, with debug info)
#   scripts/build.sh --asan          -> build-asan/ (AddressSanitizer + UBSan)
#   scripts/build.sh vindra          -> only the game (and what it needs) in build/
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
flags=()
if [ "${1:-}" = "--asan" ]; then
  dir=build-asan
  flags=(-DTAZMIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  shift
fi
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)"
