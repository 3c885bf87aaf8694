#!/usr/bin/env bash
# Counts the instructions the scenes execute per sprite and per word-grid
# frame, under Valgrind's callgrind with pixels thrown away (GALLIUM_NOOP=1,
# offscreen driver). Unlike times, the counts do not move with the machine's
# load, so two builds can be compared on a busy machine; they do not see
# latency or cache misses, so confirm a gain with the timed scenes.
#
#   bench/count_instructions.sh [--build DIR]
#
# Each figure is the difference of two runs that differ only in the number of
# frames, so start-up (library loading, assets) drops out.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR]" >&2; exit 2 ;;
  esac
done
command -v valgrind >/dev/null || { echo "$0: needs valgrind (apt-get install valgrind)" >&2; exit 1; }
bin=$build/bench
export SDL_VIDEODRIVER=offscreen GALLIUM_NOOP=1

# The instructions of one run, as callgrind's summary line gives them.
count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

few=$(count "$bin/scene_sprites" sprites 10000 --warmup 2 --frames 4)
many=$(count "$bin/scene_sprites" sprites 10000 --warmup 2 --frames 14)
echo "COUNT scene=sprites n=10000 instructions_per_sprite=$(( (many - few) / (10 * 10000) ))"
few=$(count "$bin/scene_wordgrid" wordgrid --warmup 2 --frames 4)
many=$(count "$bin/scene_wordgrid" wordgrid --warmup 2 --frames 24)
echo "COUNT scene=wordgrid instructions_per_frame=$(( (many - few) / 20 ))"
