#include "game/clock.h"

#include "draw2d/draw_image.h"
#include "draw2d/draw_state.h"
#include "draw2d/draw_text.h"
#include "game/game_app.h"

using namespace tazmix;

namespace vindra {

String TwoDigits(int32_t n) { return n <= 9 ? "0" + String::FromInt(n) : String::FromInt(n); }

String ClockText(int32_t remaining) {
  const int32_t t = remaining + 1000;
  const int32_t seconds = (t / 1000) % 60;
  const int32_t minutes = (t / 1000 / 60) % 60;
  return TwoDigits(minutes) + ":" + TwoDigits(seconds);
}

void DrawClock(int32_t remaining) {
  const int32_t w = ScreenWidth;
  DrawImage(ClockImage, static_cast<float>(w - 220), 20);
  // Turns per minute of the minute, second and half-second hands.
  constexpr float kTurns[3] = {1, 60, 120};
  for (int32_t i = 0; i < 3; ++i) {
    SetRotation(static_cast<float>(remaining) / 60000.0f * 360.0f * kTurns[i]);
    SetScale(1, static_cast<float>(82 - 10 * i) / 82.0f);
    DrawImage(HandImage, static_cast<float>(w - 120), 120);
  }
  SetRotation(0);
  SetScale(1, 1);
  // Made again only when the second shown changes, so the frames in
  // between build no String.
  static int32_t shown = 0;
  static String text;
  const int32_t second = (remaining + 1000) / 1000;
  if (text.IsEmpty() || second != shown) {
    shown = second;
    text = ClockText(remaining);
  }
  DrawText(text, static_cast<float>(w - 120 - TextWidth(text) / 2), 240);
}

}  // namespace vindra
