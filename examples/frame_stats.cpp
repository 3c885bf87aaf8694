// frame_stats: what drawing the last frame cost the graphics back end
// (LastFrameStats): draw calls, texture binds, vertices, texture uploads.
// Small pictures loaded with the same flags share a texture, so sprites of
// them go to the GPU together in one draw. A picture of another kind (here
// one loaded sharp, flags 0) lives on another texture: drawn alternately
// with the first it costs a bind and a draw per change; drawn in two runs,
// one per picture, only two.
//
// Controls: Up and Down change the number of sprites, Space switches between
// one picture, two alternating and two in runs; Escape ends.
#include <algorithm>
#include <cmath>

#include <tazmix/tazmix.h>

using namespace tazmix;

int FrameStatsMain() {
  InitTazmix();
  ApplicationTitle = "frame_stats";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(15, 20, 30);
  SetBlend(BLEND_ALPHA);
  AutoMidHandle(1);
  Ref<TImage> ball = LoadImage("ball.png");     // the automatic flags: filtered
  Ref<TImage> tile = LoadImage("tile.png", 0);  // sharp: a texture of another kind
  if (!ball || !tile) return 1;

  const char* modes[] = {"one picture", "two alternating", "two in runs"};
  int32_t count = 100, mode = 1;
  FrameStats shown;  // the numbers of the last frame that was drawn
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyHit(KEY_UP)) count = std::min(count * 2, 3200);
    if (KeyHit(KEY_DOWN)) count = std::max(count / 2, 2);
    if (KeyHit(KEY_SPACE)) mode = (mode + 1) % 3;

    Cls();
    SetColor(255, 255, 255);
    const float t = static_cast<float>(MilliSecs()) / 1000;
    for (int32_t n = 0; n < count; ++n) {
      // In runs: the even sprites first, then the odd ones.
      const int32_t i = mode == 2 ? (n < count / 2 ? 2 * n : 2 * (n - count / 2) + 1) : n;
      const bool second = mode != 0 && i % 2 == 1;
      const float a = static_cast<float>(i) * 0.37f + t, r = 40 + static_cast<float>(i % 140);
      SetScale(second ? 0.3f : 0.6f, second ? 0.3f : 0.6f);
      DrawImage(second ? tile : ball, 320 + r * std::cos(a), 190 + 0.9f * r * std::sin(a));
    }
    SetScale(1, 1);

    // A frame that repeats the one on screen is not drawn again and reports
    // repeated = 1 with zeros; keep the numbers of the last drawn one.
    const FrameStats s = LastFrameStats();
    if (!s.repeated) shown = s;
    SetColor(0, 0, 0);
    DrawRect(0, 0, 640, 44);
    SetColor(255, 255, 255);
    DrawText(String::FromInt(count) + " sprites, " + modes[mode] + "  (Up/Down, Space)", 8, 4);
    DrawText("draws " + String::FromInt(shown.draws) + "  binds " + String::FromInt(shown.binds) + "  vertices " +
                 String::FromInt(shown.vertices) + "  uploads " + String::FromInt(shown.uploads),
             8, 24);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, FrameStatsMain); }
