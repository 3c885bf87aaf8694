#!/usr/bin/env bash
# Runs the two whole-program scenes under Xvfb (Mesa's software renderer, as
# the other libraries' figures were measured) and prints their RESULT lines:
# sprites with N = 1000, 10000 and 50000, then the word grid.
#
#   bench/run_scenes.sh [--runs R] [--check DIR] [--build DIR]
#
#   --runs R     run every scene R times (default 1); each run prints its line
#   --check DIR  first draw each scene's check frame into DIR/<scene>.ppm and
#                print the CHECK lines
#   --build DIR  the build tree holding bench/scene_* (default build)
#
# Build first with scripts/build.sh. The machine should be otherwise idle.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=1
check_dir=
build=build
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --check) check_dir=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    *) echo "usage: $0 [--runs R] [--check DIR] [--build DIR]" >&2; exit 2 ;;
  esac
done

bin=$build/bench
for program in scene_sprites scene_wordgrid; do
  if [ ! -x "$bin/$program" ]; then
    echo "$bin/$program is missing: run scripts/build.sh first" >&2
    exit 1
  fi
done

# Each run gets a server of its own, with a 24-bit screen as large as the window.
under_x() {
  xvfb-run -a -s "-screen 0 800x600x24 -noreset" "$@"
}

status=0
if [ -n "$check_dir" ]; then
  mkdir -p "$check_dir"
  under_x "$bin/scene_sprites" sprites 1000 --check "$check_dir/sprites.ppm" || status=1
  under_x "$bin/scene_wordgrid" wordgrid --check "$check_dir/wordgrid.ppm" || status=1
fi

for ((run = 0; run < runs; run++)); do
  for n in 1000 10000 50000; do
    under_x "$bin/scene_sprites" sprites "$n" | grep '^RESULT' || status=1
  done
  under_x "$bin/scene_wordgrid" wordgrid | grep '^RESULT' || status=1
done
exit $status
