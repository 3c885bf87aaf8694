#!/usr/bin/env bash
# The game's timing on the display, or in a virtual one (Xvfb, software GL):
#  - time from launch to the first frame, and the spacing of 600 frames at
#    60 Hz on the title screen (scene_game_timing: the real game code with a
#    measuring hook), three runs;
#  - CPU used by the real program (build/bin/vindra) while it sits on the
#    title screen.
#   bench/game_timing.sh [seconds of CPU sampling, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
unset SDL_VIDEODRIVER

if [ -z "${TAZMIX_TIMING_INSIDE:-}" ]; then
  scripts/build.sh >/dev/null
  export TAZMIX_TIMING_INSIDE=1
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
  fi
fi

echo "== start and frame pace (build/bench/scene_game_timing)"
for i in 1 2 3; do
  TAZMIX_LAUNCH_NS=$(date +%s%N) build/bench/scene_game_timing --frames 600
done

echo "== CPU on the title screen (build/bin/vindra, ${seconds} s)"
build/bin/vindra &
pid=$!
sleep 3  # start-up and the first frames are not part of the idle cost
a=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep "$seconds"
b=$(awk '{print $14 + $15}' "/proc/$pid/stat")
kill -TERM "$pid"
wait "$pid" || true
awk -v d=$((b - a)) -v t="$(getconf CLK_TCK)" -v s="$seconds" \
  'BEGIN { printf "title screen: %.1f%% of one core\n", 100 * d / t / s }'
