#!/usr/bin/env bash
# The game's timing in a virtual display (Xvfb, software GL):
#  - time from launch to the first frame, and the spacing of 600 frames at
#    60 Hz on the title screen (scene_game_timing, the real game code);
#  - CPU used by the real program while it sits on the title screen.
#   bench/game_timing.sh [seconds of CPU sampling, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
seconds="${1:-10}"
unset SDL_VIDEODRIVER

run_in_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then "$@"; else
    xvfb-run -a -s "-screen 0 1024x768x24" "$@"; fi
}

echo "== start and frame pace (scene_game_timing)"
for i in 1 2 3; do
  TAZMIX_LAUNCH_NS=$(date +%s%N) run_in_display build/bench/scene_game_timing --frames 600
done

echo "== CPU on the title screen (build/bin/vindra, ${seconds} s)"
cpu_probe() {
  build/bin/vindra &
  local pid=$! tick
  tick=$(getconf CLK_TCK)
  sleep 3  # start-up and the first frames are not part of the idle cost
  local a b
  a=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  b=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill -TERM "$pid"
  wait "$pid" || true
  awk -v d=$((b - a)) -v t="$tick" -v s="$seconds" 'BEGIN { printf "title screen: %.1f%% of one core\n", 100 * d / t / s }'
}
export -f cpu_probe
export seconds
run_in_display bash -c cpu_probe
