// frame_stats: what drawing the last frame cost the graphics back end
// (LastFrameStats): draw calls, texture binds, vertices, texture uploads.
// Sprites of one picture share a texture and go to the GPU as one draw;
// alternating two pictures that live on different textures costs a bind
// and a draw for each change.
//
// Controls: Up and Down change the number of sprites, Space switches
// between one picture and two alternating ones, Escape ends.
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
  Ref<TImage> ball = LoadImage("ball.png");  // 32 x 32: shares a texture page with other small pictures
  Ref<TImage> tile = LoadImage("tile.png");
  if (!ball || !tile) return 1;

  int32_t count = 100;
  bool alternate = false;
  FrameStats shown;  // the numbers of the last frame that was drawn
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyHit(KEY_UP)) count = std::min(count * 2, 3200);
    if (KeyHit(KEY_DOWN)) count = std::max(count / 2, 1);
    if (KeyHit(KEY_SPACE)) alternate = !alternate;

    Cls();
    SetColor(255, 255, 255);
    const float t = static_cast<float>(MilliSecs()) / 1000;
    for (int32_t i = 0; i < count; ++i) {
      const float a = static_cast<float>(i) * 0.37f + t;
      const float r = 40 + static_cast<float>(i % 140);
      const bool second = alternate && i % 2 == 1;
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
    DrawText(String::FromInt(count) + (alternate ? " sprites, two pictures" : " sprites, one picture") +
                 "  (Up/Down, Space)",
             8, 4);
    DrawText("draws " + String::FromInt(shown.draws) + "  binds " + String::FromInt(shown.binds) + "  vertices " +
                 String::FromInt(shown.vertices) + "  uploads " + String::FromInt(shown.uploads),
             8, 24);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, FrameStatsMain); }
