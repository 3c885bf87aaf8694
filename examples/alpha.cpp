// alpha: see-through drawing with SetAlpha (0 invisible .. 1 opaque) in
// BLEND_ALPHA: overlapping discs that mix where they meet, and a text that
// fades in and out.
//
// Controls: the mouse's height sets the discs' alpha, Escape ends.
#include <algorithm>
#include <cmath>

#include <tazmix/tazmix.h>

using namespace tazmix;

int AlphaMain() {
  InitTazmix();
  ApplicationTitle = "alpha";
  if (!OpenGraphics(640, 360, 0, 60, 0)) return 1;
  SetClsColor(245, 245, 245);
  // Alpha counts only in BLEND_ALPHA (and BLEND_LIGHT).
  SetBlend(BLEND_ALPHA);

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    // 1 at the top of the window, 0 at the bottom.
    const float alpha = std::clamp(1 - static_cast<float>(MouseY()) / 360, 0.0f, 1.0f);

    Cls();
    SetAlpha(alpha);
    SetColor(230, 40, 40);
    DrawOval(170, 60, 180, 180);
    SetColor(40, 180, 60);
    DrawOval(290, 60, 180, 180);
    SetColor(40, 80, 230);
    DrawOval(230, 150, 180, 180);

    // Alpha from a sine over time: 0 .. 1 and back every 2 seconds.
    SetAlpha(0.5f + 0.5f * std::sin(static_cast<float>(MilliSecs()) * 0.00314f));
    SetColor(0, 0, 0);
    DrawText("fading in and out", 20, 330);

    SetAlpha(1);  // alpha stays set until changed: back to opaque
    DrawText("alpha " + String::FromInt(static_cast<int32_t>(alpha * 100)) + "% (move the mouse up and down)", 20, 10);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, AlphaMain); }
