#!/usr/bin/env bash
# Installs what is missing, builds the game, and starts Vindra!.
# With a display the game opens in a window (arguments are passed on:
# ./run.sh 1024 768 30). Without one, a demo plays a round by itself in a
# virtual display and saves screenshots.
# Only what playing needs is built (the game, its pictures and word file, and
# the demo without a display); ./test.sh builds the tests, benchmarks,
# examples and the other tools.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  scripts/build.sh vindra
  exec build/bin/vindra "$@"
fi

scripts/build.sh vindra vindra_demo
shots="$PWD/build/screenshots"
echo "No display found: playing a demo round in a virtual display."
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bin/vindra-demo --rounds 1 --out "$shots"
echo "The demo's screenshots (title, round, end screen) are in $shots"
