// frame_time: moving by time instead of by frame. FrameTime() is the seconds
// the last frame took; a speed times it is the step for this frame, so a
// thing moves as fast at 30 frames per second as at 144. The top square
// steps a fixed amount per frame instead, and falls behind when frames slow
// down.
//
// Controls: hold Space to make every frame slow (50 ms of extra work),
// Escape ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

constexpr float kSpeed = 200;  // pixels per second

// Moves x back and forth across 0 .. 600.
void Bounce(float& x, float& direction, float step) {
  x += direction * step;
  if (x < 0 || x > 600) {
    direction = -direction;
    x = x < 0 ? 0 : 600;
  }
}

int FrameTimeMain() {
  InitTazmix();
  ApplicationTitle = "frame_time";
  if (!OpenGraphics(640, 240, 0, 60, 0)) return 1;
  SetClsColor(20, 20, 30);

  float per_frame_x = 0, per_frame_dir = 1;
  float per_second_x = 0, per_second_dir = 1;
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyDown(KEY_SPACE)) Delay(50);  // stands in for a heavy frame

    const float seconds = static_cast<float>(FrameTime());
    Bounce(per_frame_x, per_frame_dir, kSpeed / 60);        // right only at 60 frames per second
    Bounce(per_second_x, per_second_dir, kSpeed * seconds);  // right at any rate

    Cls();
    SetColor(220, 90, 90);
    DrawRect(per_frame_x + 10, 60, 30, 30);
    SetColor(90, 220, 120);
    DrawRect(per_second_x + 10, 140, 30, 30);
    SetColor(255, 255, 255);
    DrawText("per frame: 3.3 pixels", 10, 40);
    DrawText("per second: 200 pixels times FrameTime()", 10, 120);
    DrawText("frame time " + String::FromInt(static_cast<int32_t>(seconds * 1000)) + " ms   (hold Space: slow frames)",
             10, 210);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, FrameTimeMain); }
