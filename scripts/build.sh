#!/usr/bin/env bash
# Configures and builds one build tree.
#   scripts/build.sh            -> build/      (optimised, with debug info)
#   scripts/build.sh --asan     -> build-asan/ (AddressSanitizer + UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
flags=()
if [ "${1:-}" = "--asan" ]; then
  dir=build-asan
  flags=(-DTAZMIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -- -j"$(nproc)"
