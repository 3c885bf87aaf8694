// The title logo: the game's name in gold with a dark rim and a warm glow,
// over a small letter-spaced line that says what the game is.
#include <cmath>

#include "tools/make_assets/pictures.h"
#include "tools/make_assets/shapes.h"
#include "tools/make_assets/text.h"

namespace vindra::assets {

using tazmix::String;
using tazmix::TFreeTypeFont;

namespace {

constexpr int32_t kWidth = 196;
constexpr int32_t kHeight = 104;
constexpr int32_t kPad = 6;  // room for the rim and the glow at the sides

// The largest size at which the name, rim included, fits the width.
TFreeTypeFont& NameFont(FontSet& fonts, const String& name) {
  for (int32_t size = 80;; --size) {
    TFreeTypeFont& font = fonts.Bold(size);
    if (MeasureText(font, name).Width() + 2 * kPad <= kWidth || size <= 10) return font;
  }
}

}  // namespace

Canvas DrawTitle(FontSet& fonts) {
  Canvas canvas(kWidth, kHeight);
  const String name("Vindra!");
  TFreeTypeFont& big = NameFont(fonts, name);
  const TextExtent e = MeasureText(big, name);
  const int32_t baseline = 8 - e.top;  // ink starts 8 pixels down
  const Mask letters = CentredText(kWidth, kHeight, big, name, kWidth / 2.0f, baseline);
  const Mask rim = letters.Dilated(2.2f);
  const float top = static_cast<float>(baseline + e.top), bottom = static_cast<float>(baseline);

  // Warm glow, then a drop shadow, then the rim and the letters.
  canvas.Draw(rim.Dilated(2).Blurred(3), Solid(Rgb(255, 140, 20)), 0.55f);
  canvas.Draw(rim.Shifted(0, 3).Blurred(1), Solid(Rgb(0, 0, 0)), 0.8f);
  canvas.Draw(rim, VerticalGradient(top, Rgb(92, 44, 8), bottom, Rgb(40, 14, 2)));
  canvas.Draw(letters, [&](float, float y) {
    const float t = (y - top) / (bottom - top);
    // Light gold on top, a bright band, deep orange at the foot.
    if (t < 0.45f) return Mix(Rgb(255, 246, 196), Rgb(255, 208, 72), std::max(t, 0.0f) / 0.45f);
    return Mix(Rgb(255, 184, 40), Rgb(226, 96, 12), std::min((t - 0.45f) / 0.55f, 1.0f));
  });
  // A gloss line across the letters' upper half.
  const Mask gloss = letters.Times(Rasterise(kWidth, kHeight, RoundedBox(-20, top - 10, kWidth + 20, top + (bottom - top) * 0.42f, 4)));
  canvas.Draw(gloss, Solid(Rgb(255, 255, 255)), 0.28f);

  // "WORTSUCHE" between two thin rules.
  TFreeTypeFont& small = fonts.Bold(13);
  const String tagline("WORTSUCHE");
  const int32_t tag_baseline = baseline + 10 + CapHeight(small) + 8;
  const int32_t tracking = 3;
  const Mask tag = CentredText(kWidth, kHeight, small, tagline, kWidth / 2.0f, tag_baseline, tracking);
  const float half = MeasureText(small, tagline, tracking).Width() / 2.0f;
  const float rule_y = tag_baseline - CapHeight(small) / 2.0f;
  Mask rules = Rasterise(kWidth, kHeight, Segment({18, rule_y}, {kWidth / 2.0f - half - 9, rule_y}, 0.7f));
  rules = rules.Union(
      Rasterise(kWidth, kHeight, Segment({kWidth / 2.0f + half + 9, rule_y}, {kWidth - 18.0f, rule_y}, 0.7f)));
  canvas.Draw(tag.Dilated(1.5f).Blurred(1), Solid(Rgb(0, 0, 0)), 0.8f);
  canvas.Draw(tag, Solid(Rgb(150, 204, 255)));
  canvas.Draw(rules, Solid(Rgb(150, 204, 255)), 0.7f);
  return canvas;
}

}  // namespace vindra::assets
