// animation: the frames of a sprite sheet, one image with eight frames
// (LoadAnimImage), shown one after the other at a chosen speed, measured
// in time rather than in frames drawn.
//
// Controls: Up and Down change the speed, Escape ends.
#include <tazmix/tazmix.h>

using namespace tazmix;

int AnimationMain() {
  InitTazmix();
  ApplicationTitle = "animation";
  if (!OpenGraphics(640, 300, 0, 60, 0)) return 1;
  SetClsColor(20, 40, 60);
  SetBlend(BLEND_ALPHA);

  // coin.png is 256 x 32: eight cells of 32 x 32 side by side, frames 0 to 7.
  AutoMidHandle(1);
  Ref<TImage> coin = LoadAnimImage("coin.png", 32, 32, 0, 8);
  if (!coin) return 1;
  const int32_t frames = coin->FrameCount();

  float frames_per_second = 12;
  double clock = 0;  // seconds of animation played
  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    if (KeyHit(KEY_UP)) frames_per_second *= 1.5f;
    if (KeyHit(KEY_DOWN)) frames_per_second /= 1.5f;
    clock += FrameTime();
    const int32_t frame = static_cast<int32_t>(clock * frames_per_second) % frames;

    Cls();
    SetColor(255, 255, 255);
    // The sheet's frames in a row, for reference.
    for (int32_t f = 0; f < frames; ++f) DrawImage(coin, 60 + 64.0f * static_cast<float>(f), 60, f);
    // The animated coin, twice as big.
    SetScale(2, 2);
    DrawImage(coin, 200, 190, frame);
    // Several coins, each a few frames ahead of the last.
    SetScale(1, 1);
    for (int32_t i = 0; i < 5; ++i) DrawImage(coin, 320 + 50.0f * static_cast<float>(i), 190, (frame + i) % frames);
    DrawText("frame " + String::FromInt(frame) + " at " + String::FromInt(static_cast<int32_t>(frames_per_second)) +
                 " frames per second (Up/Down)",
             10, 260);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, AnimationMain); }
