// collision: pixel-exact collision of two images (ImagesOverlap): a ball
// follows the mouse over a clock face, and both are tinted red while they
// share a solid pixel. The pictures' transparent corners do not count, so
// the ball can sit inside the face's bounding box untouched.
//
// Controls: the mouse moves the ball, Escape ends.
//
// `collision --check` puts the ball at a few fixed places instead, compares
// ImagesOverlap with what is known of the pictures and with the tint
// actually drawn, prints one line per place and ends with exit code 0 when
// everything agrees, else 1.
#include <cstdio>

#include <tazmix/tazmix.h>

using namespace tazmix;

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr float kClockX = 320;  // the face's centre
constexpr float kClockY = 240;

struct Pictures {
  Ref<TImage> clock;  // 200 x 200, a round face on transparent corners
  Ref<TImage> ball;   // 32 x 32, a round ball on transparent corners
};

// Draws one frame with the ball centred at (x, y); returns whether the two
// pictures overlap there, pixel for pixel.
bool DrawFrame(const Pictures& p, float x, float y) {
  const bool overlap = ImagesOverlap(p.clock, kClockX, kClockY, 0, p.ball, x, y, 0) != 0;
  Cls();
  // The colour multiplies every pixel drawn: white leaves a picture as it
  // is, red keeps only its red.
  if (overlap) {
    SetColor(255, 64, 64);
  } else {
    SetColor(255, 255, 255);
  }
  DrawImage(p.clock, kClockX, kClockY);
  DrawImage(p.ball, x, y);
  SetColor(255, 255, 255);
  DrawText(overlap ? "overlap" : "apart", 10, 10);
  return overlap;
}

// Places whose answer follows from the pictures' shapes: the face is a disc
// of radius 98 around (320, 240), the ball one of radius 15.
struct Place {
  float x, y;
  bool overlap;
  const char* what;
};
constexpr Place kPlaces[] = {
    {60, 60, false, "far away"},
    {228, 148, false, "inside the face's box, beside its disc"},
    {320, 240, true, "on the centre"},
    {424, 240, true, "just over the right edge"},
    {436, 240, false, "just beside the right edge"},
};

int Check(const Pictures& p) {
  bool all = true;
  for (const Place& place : kPlaces) {
    const bool overlap = DrawFrame(p, place.x, place.y);
    // The ball's middle pixel: tinted means little green left in it.
    const Ref<TPixmap> frame = GrabPixmap(static_cast<int32_t>(place.x), static_cast<int32_t>(place.y), 1, 1);
    Flip(0);
    const int32_t argb = frame ? frame->ReadPixel(0, 0) : 0;
    const int32_t red = (argb >> 16) & 255, green = (argb >> 8) & 255;
    const bool tinted = red > 2 * green;
    const bool ok = overlap == place.overlap && tinted == place.overlap;
    all = all && ok;
    std::printf("%-40s overlap=%d tinted=%d %s\n", place.what, overlap, tinted, ok ? "ok" : "WRONG");
  }
  return all ? 0 : 1;
}

int CollisionMain() {
  bool check = false;
  for (size_t i = 1; i < ApplicationArgs.size(); ++i) check = check || ApplicationArgs[i] == "--check";

  InitTazmix();
  ApplicationTitle = "collision";
  if (!OpenGraphics(kWidth, kHeight, 0, 60, 0)) {
    std::fprintf(stderr, "collision: no OpenGL window\n");
    return 1;
  }
  SetClsColor(30, 40, 50);
  SetBlend(BLEND_ALPHA);
  // Both pictures turn about their centres, so positions name the centres.
  AutoMidHandle(1);
  Pictures p{LoadImage("clock.png"), LoadImage("ball.png")};
  if (!p.clock || !p.ball) {
    std::fprintf(stderr, "collision: cannot load clock.png and ball.png\n");
    return 1;
  }
  if (check) return Check(p);

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    DrawFrame(p, static_cast<float>(MouseX()), static_cast<float>(MouseY()));
    Flip(-1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, CollisionMain); }
