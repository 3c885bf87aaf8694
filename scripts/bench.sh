#!/usr/bin/env bash
# Builds and runs the micro benchmarks (build/bench/bench_*), all or those
# whose name matches the first argument:
#   scripts/bench.sh              every benchmark program
#   scripts/bench.sh word_list    only bench_word_list
# Installs the optional packages some benchmarks draw data from.
set -euo pipefail
cd "$(dirname "$0")/.."

# wngerman: /usr/share/dict/ngerman, the large German list of the word-list benchmark.
# vorbis-tools: oggenc, which encodes the sound benchmark's Ogg file.
scripts/install-deps.sh wngerman vorbis-tools
scripts/build.sh

for program in build/bench/bench_*; do
  [ -x "$program" ] || continue
  case "$(basename "$program")" in *"${1:-}"*) ;; *) continue ;; esac
  echo "== $(basename "$program")"
  "$program"
done
