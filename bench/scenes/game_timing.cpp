// The game's start and frame pace, measured inside the real game code:
//   scene_game_timing [--frames N]
// Prints the time from the launch to the first frame (just before its buffer
// swap) and the spacing of N frames on the title screen (default 600) at the
// default 60 Hz, then leaves with Escape. The launch time comes from the
// environment variable TAZMIX_LAUNCH_NS (CLOCK_REALTIME nanoseconds, as
// `date +%s%N` gives it); without it the process's start is used.
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "game/active_screen.h"
#include "game/game_app.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "stream/filesystem.h"
#include "system/hook.h"
#include "system/input_injection.h"

using namespace tazmix;

namespace {

int64_t Nanos(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Milliseconds since the launch: from the caller's stamp, else from the
// process's start time in /proc (in clock ticks since boot).
double SinceLaunchMs() {
  if (const char* stamp = std::getenv("TAZMIX_LAUNCH_NS")) {
    return double(Nanos(CLOCK_REALTIME) - std::atoll(stamp)) / 1e6;
  }
  std::ifstream stat("/proc/self/stat");
  std::string field;
  for (int i = 0; i < 22 && stat >> field; ++i) {
  }
  const double start_s = std::atof(field.c_str()) / double(sysconf(_SC_CLK_TCK));
  return double(Nanos(CLOCK_BOOTTIME)) / 1e6 - start_s * 1000.0;
}

int frames_wanted = 600;
double first_frame_ms = -1;
std::vector<int64_t> stamps;

// Runs after the frame timer's wait: the moment each frame goes to the screen.
Ref<Object> Measure(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  if (first_frame_ms < 0) first_frame_ms = SinceLaunchMs();
  if (vindra::ActiveScreen() != vindra::Screen::kTitle) return data;
  if (static_cast<int>(stamps.size()) <= frames_wanted) {
    stamps.push_back(Nanos(CLOCK_MONOTONIC));
  } else {
    InjectKeyHit(27);
  }
  return data;
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  const size_t i = std::min(v.size() - 1, size_t(p / 100.0 * double(v.size() - 1) + 0.5));
  return v[i];
}

int Scene() {
  for (size_t i = 1; i + 1 < ApplicationArgs.size(); i += 2) {
    if (ApplicationArgs[i] == String("--frames")) frames_wanted = std::max(10, ApplicationArgs[i + 1].ToInt());
  }
  ChangeDir(TAZMIX_BIN_DIR);
  vindra::InitGame();
  AddHook(FlipHook, Measure, nullptr, -1);
  vindra::RunGame({ApplicationArgs[0]});

  std::vector<double> gaps;
  for (size_t i = 1; i < stamps.size(); ++i) gaps.push_back(double(stamps[i] - stamps[i - 1]) / 1e6);
  double mean = 0;
  for (double g : gaps) mean += g;
  mean /= double(gaps.size());
  double var = 0;
  for (double g : gaps) var += (g - mean) * (g - mean);
  const double sd = std::sqrt(var / double(gaps.size()));
  std::printf("first frame: %.1f ms after launch\n", first_frame_ms);
  std::printf("frame spacing over %zu frames (ms): median %.2f, mean %.2f, sd %.2f, p5 %.2f, p95 %.2f, min %.2f, max %.2f\n",
              gaps.size(), Percentile(gaps, 50), mean, sd, Percentile(gaps, 5), Percentile(gaps, 95),
              Percentile(gaps, 0), Percentile(gaps, 100));
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, Scene); }
