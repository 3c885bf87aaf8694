// The round clock: a steel bezel around a deep blue dial with minute ticks
// and the quarter marks 60, 15, 30 and 45 (the hands point at the seconds
// left, so 15 lies to the right); and its gold hand.
#include <cmath>
#include <numbers>

#include "tools/make_assets/pictures.h"
#include "tools/make_assets/shapes.h"
#include "tools/make_assets/text.h"

namespace vindra::assets {

using tazmix::String;
using tazmix::TFreeTypeFont;

namespace {

constexpr int32_t kFace = 200;
constexpr float kCentre = 100;
constexpr float kBezel = 98;  // outer radius
constexpr float kDial = 88;   // radius of the dial inside the bezel

const Color kGold = Rgb(255, 206, 84);

// The point at `radius` from the centre in the direction of second `s`
// (0 at the top, clockwise).
Point OnDial(float s, float radius) {
  const float a = s / 60.0f * 2.0f * std::numbers::pi_v<float>;
  return {kCentre + std::sin(a) * radius, kCentre - std::cos(a) * radius};
}

}  // namespace

Canvas DrawClockFace(FontSet& fonts) {
  Canvas canvas(kFace, kFace);
  const Mask outer = Rasterise(kFace, kFace, Circle(kCentre, kCentre, kBezel));
  const Mask dial = Rasterise(kFace, kFace, Circle(kCentre, kCentre, kDial));

  // Bezel: brushed steel, light at the top, dark at the bottom, with a fine
  // dark line where it meets the dial.
  canvas.Draw(outer, Solid(Rgb(20, 22, 28)));
  canvas.Draw(Rasterise(kFace, kFace, Circle(kCentre, kCentre, kBezel - 1.5f)),
              VerticalGradient(2, Rgb(226, 230, 238), kFace - 2, Rgb(70, 76, 92)));
  canvas.Draw(Rasterise(kFace, kFace, Circle(kCentre, kCentre, kDial + 4)),
              VerticalGradient(10, Rgb(96, 102, 120), kFace - 10, Rgb(196, 202, 214)));
  canvas.Draw(Rasterise(kFace, kFace, Circle(kCentre, kCentre, kDial + 1)), Solid(Rgb(10, 12, 18)));

  // Dial: deep blue, lighter in the middle, shaded under the bezel.
  canvas.Draw(dial, RadialGradient(kCentre, kCentre - 14, kDial + 10, Rgb(44, 62, 104), Rgb(12, 16, 32)));
  const Mask shade = dial.Minus(Rasterise(kFace, kFace, Circle(kCentre, kCentre + 3, kDial - 3)).Blurred(3));
  canvas.Draw(shade, Solid(Rgb(0, 0, 0)), 0.6f);

  // Ticks: one per second, longer and brighter every five, gold at the quarters.
  Mask minor(kFace, kFace), major(kFace, kFace), quarter(kFace, kFace);
  for (int32_t s = 0; s < 60; ++s) {
    if (s % 15 == 0) {
      quarter = quarter.Union(Rasterise(kFace, kFace, Segment(OnDial(s, 70), OnDial(s, 83), 2.0f)));
    } else if (s % 5 == 0) {
      major = major.Union(Rasterise(kFace, kFace, Segment(OnDial(s, 73), OnDial(s, 83), 1.3f)));
    } else {
      minor = minor.Union(Rasterise(kFace, kFace, Segment(OnDial(s, 78), OnDial(s, 83), 0.6f)));
    }
  }
  canvas.Draw(minor, Solid(Rgb(140, 156, 190)));
  canvas.Draw(major, Solid(Rgb(236, 240, 250)));
  canvas.Draw(quarter.Shifted(0, 1).Blurred(1), Solid(Rgb(0, 0, 0)), 0.6f);
  canvas.Draw(quarter, Solid(kGold));

  // The quarter numbers.
  TFreeTypeFont& font = fonts.Bold(15);
  const int32_t cap = CapHeight(font);
  Mask numbers(kFace, kFace);
  const char* labels[4] = {"60", "15", "30", "45"};
  for (int32_t q = 0; q < 4; ++q) {
    const Point p = OnDial(q * 15.0f, 56);
    numbers = numbers.Union(
        CentredText(kFace, kFace, font, String(labels[q]), p.x, static_cast<int32_t>(std::lround(p.y + cap / 2.0f))));
  }
  canvas.Draw(numbers, Solid(Rgb(200, 212, 236)));

  // The hub the hands turn on.
  canvas.Draw(Rasterise(kFace, kFace, Circle(kCentre, kCentre + 1, 7)).Blurred(1), Solid(Rgb(0, 0, 0)), 0.7f);
  canvas.Draw(Rasterise(kFace, kFace, Circle(kCentre, kCentre, 6)),
              RadialGradient(kCentre - 2, kCentre - 2, 8, Rgb(255, 236, 170), Rgb(196, 130, 30)));
  return canvas;
}

Canvas DrawClockHand() {
  constexpr int32_t kWidth = 4, kHeight = 82;
  Canvas canvas(kWidth, kHeight);
  // A baton from its pivot at the bottom, ending in a point; it stays clear
  // of the last column so the turning axis (x = 1) lies near its middle.
  const float mid = 1.5f;
  const Shape baton = TaperedSegment({mid, kHeight - 1.5f}, 1.5f, {mid, 16}, 1.15f);
  const Shape point = Polygon({{mid - 1.2f, 17}, {mid + 1.2f, 17}, {mid + 0.15f, 1}, {mid - 0.15f, 1}});
  Mask needle = Rasterise(kWidth, kHeight, Union(baton, point));
  // The game masks pure black away; a faint edge pixel would instead stay as
  // an opaque dark speck, so faint coverage goes to black.
  for (int32_t y = 0; y < kHeight; ++y)
    for (int32_t x = 0; x < kWidth; ++x)
      if (needle.At(x, y) < 0.25f) needle.At(x, y) = 0;
  canvas.Draw(needle, VerticalGradient(0, Rgb(255, 240, 190), kHeight, kGold));
  return canvas;
}

}  // namespace vindra::assets
