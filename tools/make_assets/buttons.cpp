// The three difficulty buttons: a glossy rounded plate in the difficulty's
// colour, the German label with its word lengths, and a meter of one to three
// bars on the right.
#include "tools/make_assets/pictures.h"
#include "tools/make_assets/shapes.h"
#include "tools/make_assets/text.h"

namespace vindra::assets {

using tazmix::String;
using tazmix::TFreeTypeFont;

namespace {

constexpr int32_t kWidth = 225;
constexpr int32_t kHeight = 75;

struct Look {
  const char16_t* label;
  const char16_t* lengths;
  Color top, bottom, rim;
};

const Look kLooks[3] = {
    {u"Leicht", u"bis 5 Buchstaben", Rgb(96, 196, 104), Rgb(28, 112, 52), Rgb(14, 60, 28)},
    {u"Mittel", u"3 bis 7 Buchstaben", Rgb(250, 184, 64), Rgb(196, 104, 16), Rgb(98, 50, 6)},
    {u"Schwer", u"ab 5 Buchstaben", Rgb(232, 84, 80), Rgb(142, 24, 40), Rgb(72, 10, 18)},
};

}  // namespace

Canvas DrawButton(FontSet& fonts, int32_t difficulty) {
  const Look& look = kLooks[difficulty];
  Canvas canvas(kWidth, kHeight);
  const Shape plate = RoundedBox(1, 1, kWidth - 1, kHeight - 1, 16);
  const Mask body = Rasterise(kWidth, kHeight, plate);

  canvas.Draw(body, Solid(look.rim));
  canvas.Draw(Rasterise(kWidth, kHeight, Grown(plate, -2)), VerticalGradient(3, look.top, kHeight - 3, look.bottom));
  // Light along the upper rim, a soft gloss over the upper half.
  canvas.Draw(Rasterise(kWidth, kHeight, Outline(Grown(plate, -2.5f), 0.6f)),
              VerticalGradient(3, Rgb(255, 255, 255, 0.75f), kHeight * 0.6f, Rgb(255, 255, 255, 0)));
  canvas.Draw(Rasterise(kWidth, kHeight, Intersection(RoundedBox(4, 4, kWidth - 4, kHeight * 0.48f, 10), Grown(plate, -3))),
              VerticalGradient(4, Rgb(255, 255, 255, 0.32f), kHeight * 0.48f, Rgb(255, 255, 255, 0.04f)));

  // The meter: bar i lit when i <= difficulty.
  Mask lit(kWidth, kHeight), unlit(kWidth, kHeight);
  for (int32_t i = 0; i < 3; ++i) {
    const float x0 = 181 + i * 11.0f, height = 12 + i * 8.0f, foot = 52;
    Mask bar = Rasterise(kWidth, kHeight, RoundedBox(x0, foot - height, x0 + 7, foot, 2));
    Mask& target = i <= difficulty ? lit : unlit;
    target = target.Union(bar);
  }
  canvas.Draw(lit.Union(unlit).Shifted(0, 1).Blurred(1), Solid(Rgb(0, 0, 0)), 0.45f);
  canvas.Draw(unlit, Solid(Rgb(255, 255, 255)), 0.28f);
  canvas.Draw(lit, Solid(Rgb(255, 255, 255)));

  // The label over the word lengths, centred left of the meter.
  TFreeTypeFont& big = fonts.Bold(27);
  TFreeTypeFont& small = fonts.Regular(14);
  const float cx = 94;
  const Mask label = CentredText(kWidth, kHeight, big, String(look.label), cx, 37);
  const Mask lengths = CentredText(kWidth, kHeight, small, String(look.lengths), cx, 57);
  const Mask ink = label.Union(lengths);
  canvas.Draw(ink.Shifted(0, 2).Blurred(1), Solid(Rgb(0, 0, 0)), 0.55f);
  canvas.Draw(label, Solid(Rgb(255, 255, 255)));
  canvas.Draw(lengths, Solid(Rgb(255, 255, 255)), 0.92f);
  return canvas;
}

}  // namespace vindra::assets
