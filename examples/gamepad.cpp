// gamepad: every connected pad as a ball steered by its left stick, its face
// buttons and triggers shown beside it; pads can be plugged in and out while
// it runs, and every pad event is printed as it arrives.
//
// Controls: a pad's left stick moves its ball, A puts it back in the
// middle, Escape ends.
#include <cstdio>

#include <tazmix/tazmix.h>

using namespace tazmix;

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr float kSpeed = 240;  // pixels per second at full tilt
constexpr int32_t kShown = 4;  // pads drawn

// Pad events travel the event hook like keys and clicks do.
Ref<Object> PrintPadEvents(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  if (const TEvent* event = dynamic_cast<const TEvent*>(data.get())) {
    if (event->id >= EVENT_PADDOWN && event->id <= EVENT_PADDISCONNECT) {
      std::printf("%s\n", event->ToString().ToUTF8String().c_str());
      std::fflush(stdout);
    }
  }
  return data;
}

int GamepadMain() {
  InitTazmix();
  ApplicationTitle = "gamepad";
  if (!OpenGraphics(kWidth, kHeight, 0, 60, 0)) return 1;
  InitGamepads();  // pads already plugged in connect at the next poll
  AddHook(EmitEventHook, PrintPadEvents, nullptr, 0);
  SetClsColor(20, 24, 32);

  float x[kShown], y[kShown];
  for (int32_t pad = 0; pad < kShown; ++pad) {
    x[pad] = kWidth / 2.0f;
    y[pad] = kHeight / 2.0f;
  }
  const int32_t face[] = {PAD_BUTTON_A, PAD_BUTTON_B, PAD_BUTTON_X, PAD_BUTTON_Y};
  const char* face_names[] = {"A", "B", "X", "Y"};

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    const float step = kSpeed * static_cast<float>(FrameTime());
    Cls();
    SetColor(255, 255, 255);
    DrawText(String("pads connected: ") + String::FromInt(CountPads()), 10, 10);
    for (int32_t pad = 0; pad < kShown; ++pad) {
      const float row = 40.0f + 24.0f * static_cast<float>(pad);
      if (!PadConnected(pad)) {
        SetColor(90, 90, 90);
        DrawText(String::FromInt(pad) + ": -", 10, row);
        continue;
      }
      if (PadHit(pad, PAD_BUTTON_A)) {
        x[pad] = kWidth / 2.0f;
        y[pad] = kHeight / 2.0f;
      }
      // Within the dead zone the stick reads 0, so a resting stick does not drift.
      x[pad] += PadAxis(pad, PAD_AXIS_LEFT_X) * step;
      y[pad] += PadAxis(pad, PAD_AXIS_LEFT_Y) * step;

      SetColor(255, 255, 255);
      DrawText(String::FromInt(pad) + ": " + PadName(pad), 10, row);
      for (int32_t b = 0; b < 4; ++b) {
        SetColor(PadDown(pad, face[b]) ? 120 : 60, PadDown(pad, face[b]) ? 255 : 60, 60);
        DrawText(face_names[b], 400 + 16.0f * static_cast<float>(b), row);
      }
      SetColor(200, 200, 255);
      DrawRect(480, row + 4, 60 * PadAxis(pad, PAD_AXIS_LEFT_TRIGGER), 8);
      DrawRect(560, row + 4, 60 * PadAxis(pad, PAD_AXIS_RIGHT_TRIGGER), 8);
      SetColor(80 + 40 * pad, 200, 255 - 40 * pad);
      DrawOval(x[pad] - 12, y[pad] - 12, 24, 24);
    }
    Flip(-1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, GamepadMain); }
