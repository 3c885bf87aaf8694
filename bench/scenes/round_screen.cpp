// The game's round screen, uncapped: the real game code (grid, letters,
// status lines, clock and flash) on an 800x600 window, with the frame timer
// stopped and its wait taken away, so every frame is drawn as fast as the
// machine allows.
//
//   scene_round_screen round [--warmup W] [--frames F] [--check OUT.ppm]
//
// The round is seeded, and the game clock advances 16 ms per frame, so the
// clock's hands turn as they would at 60 frames per second. Measuring plays
// no move (the steady state of a round); --check clicks a wrong letter on
// frame 3 and writes frame 23, red with the fading flash, as a PPM.
#include <GL/gl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/scenes/harness/scene_harness.h"
#include "game/game_app.h"
#include "game/game_clock.h"
#include "game/round_screen.h"
#include "game/word_list.h"
#include "draw2d/draw_primitives.h"
#include "draw2d/frame_stats.h"
#include "glback/gl_graphics.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "runtime/random.h"
#include "stream/filesystem.h"
#include "system/hook.h"
#include "system/input_injection.h"
#include "system/timer.h"

using namespace tazmix;
using namespace tazmix::bench;

namespace {

constexpr int32_t kClickFrame = 3;
constexpr int32_t kShotFrame = kClickFrame + 20;
constexpr int32_t kStartMs = 100000;
constexpr int32_t kMsPerFrame = 16;

SceneOptions options;
int32_t frame = 0;
SceneTimer* timer = nullptr;
bool checked_ok = false;

int32_t GameNow() { return kStartMs + frame * kMsPerFrame; }

// The middle of a cell of the current grid that is not part of the word.
bool WrongCell(int32_t& px, int32_t& py) {
  const Array3<uint8_t>& grid = vindra::CurrentWord->FieldArray;
  const int32_t cells = grid.Dimension(0);
  const int32_t size = vindra::CellSize(kSceneHeight, cells);
  for (int32_t x = 0; x < cells; ++x) {
    for (int32_t y = 0; y < cells; ++y) {
      if (grid(x, y, 1) != 0) continue;
      px = 10 + x * size + size / 2;
      py = 10 + y * size + size / 2;
      return true;
    }
  }
  return false;
}

// The red flash lies over the whole screen, the grid's letters still show.
bool ShowsFlash(const TPixmap& shot) {
  const Rgb corner = PixelAt(shot, kSceneWidth - 5, kSceneHeight / 2);
  const bool red = corner.r > corner.g + 40 && corner.r > corner.b + 40;
  const int32_t light = CountPixels(shot, 10, 10, 500, 500, [](Rgb c) { return c.r >= 200; });
  return red && light > 1000;
}

void Check() {
  if (frame == kClickFrame) {
    int32_t px = 0, py = 0;
    if (vindra::CurrentWord && WrongCell(px, py)) InjectMouseClick(1, px, py);
  }
  if (frame != kShotFrame) return;
  glFinish();
  const Ref<TPixmap> shot = GrabPixmap(0, 0, kSceneWidth, kSceneHeight);
  const bool written = shot && WritePPM(*shot, options.check);
  if (!written) std::fprintf(stderr, "cannot write %s\n", options.check.c_str());
  checked_ok = written && ShowsFlash(*shot);
  // What the frame before, also in the flash, cost GL.
  const FrameStats gl = LastFrameStats();
  std::printf("CHECK lib=tazmix scene=round %s draws=%d binds=%d\n", checked_ok ? "ok" : "FAILED", gl.draws, gl.binds);
  InjectKeyHit(27);
}

// Frame `frame` has just been drawn.
void Measure() {
  if (frame >= options.warmup) timer->Lap();
  if (frame + 1 == options.warmup) timer->Start();
  if (frame + 1 == options.warmup + options.frames) {
    timer->Stop();
    InjectKeyHit(27);
  }
}

// Runs in Flip before the buffers swap: the frame is drawn, not yet shown.
Ref<Object> OnFlip(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  // The frame's pixels count in the frame that drew them.
  glFinish();
  if (options.check.empty()) {
    Measure();
  } else {
    Check();
  }
  ++frame;
  return data;
}

int RoundMain() {
  ChangeDir(TAZMIX_BIN_DIR);
  vindra::StartGame({ApplicationArgs[0], "800", "600", "60"});
  RemoveHook(FlipHook, vindra::WaitFrameTimer, nullptr);
  StopTimer(vindra::FrameTimer);
  SeedRandom(2024);
  vindra::SetGameClock(GameNow);
  // Every frame is drawn, also one that repeats the last.
  SetRepeatedFrameSkip(0);
  SceneTimer measured(options.frames);
  timer = &measured;
  if (options.warmup == 0) measured.Start();
  AddHook(FlipHook, OnFlip, nullptr, 0);
  vindra::PlayRound(3, 7, 12);  // a round of the middle difficulty
  const int32_t cells = vindra::CurrentWord ? vindra::CurrentWord->FieldArray.Dimension(0) : 0;
  if (options.check.empty()) measured.PrintResult(options.scene, cells * cells);
  EndGraphics();
  return options.check.empty() || checked_ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  if (!ParseSceneOptions(argc, argv, options, error) || options.scene != "round") {
    std::fprintf(stderr, "%s\nusage: scene_round_screen round [--warmup W] [--frames F] [--check OUT.ppm]\n",
                 error.c_str());
    return 2;
  }
  return RunApplication(argc, argv, RoundMain);
}
