// Cost of opening and closing the main graphics, and of one cleared and
// flipped frame, on whatever GL the environment offers (SDL_VIDEODRIVER=
// offscreen for Mesa's software renderer without a display).
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include "glback/gl_graphics.h"

namespace {

using namespace tazmix;

void BM_OpenAndEndGraphics(benchmark::State& state) {
  InitGLGraphics();
  for (auto _ : state) {
    Ref<TGraphics> g = GLGraphics(640, 480, 0, 0, 0);
    if (!g) {
      state.SkipWithError("no GL context");
      break;
    }
    EndGraphics();
  }
}
BENCHMARK(BM_OpenAndEndGraphics)->Unit(benchmark::kMillisecond);

void BM_ClearAndFlip(benchmark::State& state) {
  InitGLGraphics();
  const auto size = static_cast<int32_t>(state.range(0));
  if (!GLGraphics(size, size * 3 / 4, 0, 0, 0)) {
    state.SkipWithError("no GL context");
    return;
  }
  for (auto _ : state) {
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    Flip(0);
    glFinish();  // the renderer works asynchronously; count the whole frame
  }
  EndGraphics();
}
BENCHMARK(BM_ClearAndFlip)->Arg(640)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
