// Smooth text: 100 characters of a FONT_SMOOTH TrueType image font (24
// pixels, filtered and mipmapped glyphs), white on the scene's background,
// in four lines, drawn every frame. A measure of the cost per glyph, which a
// title screen or a status line pays.
//
//   scene_smooth_text text [--warmup W] [--frames F] [--font TTF] [--check OUT.ppm]
#include <memory>
#include <string>

#include "bench/scenes/harness/scene_harness.h"
#include "draw2d/draw2d.h"
#include "font/font.h"

namespace {

using namespace tazmix;
using namespace tazmix::bench;


class SmoothTextScene : public Scene {
 public:
  bool Load(const SceneOptions& options) override {
    font_ = LoadImageFont(String::FromUTF8String(options.font), 24, FONT_SMOOTH);
    return static_cast<bool>(font_);
  }
  int32_t Count() const override { return 100; }
  void Update(int32_t) override {}
  void Draw(int32_t) override {
    SetImageFont(font_);
    SetBlend(BLEND_ALPHA);
    SetColor(255, 255, 255);
    for (int32_t i = 0; i < 4; ++i) DrawText(lines_[i], 40, static_cast<float>(200 + 40 * i));
  }
  bool Check(const TPixmap& frame) const override {
    // White ink on every line, nothing above the text.
    for (int32_t i = 0; i < 4; ++i) {
      if (CountPixels(frame, 40, 200 + 40 * i, 760, 230 + 40 * i, [](Rgb c) { return c.r > 200 && c.b > 200; }) < 100) {
        return false;
      }
    }
    return CountPixels(frame, 0, 0, 800, 190, [](Rgb c) { return c.r > 100; }) == 0;
  }

 private:
  Ref<TImageFont> font_;
  // 25 characters a line, umlauts included; made once, as a game keeps its texts.
  const String lines_[4] = {u"Grüße aus der Wortsuche! ", u"Punkte für das Wort: 900 ", u"Wörter übrig: 12 von 15. ",
                            u"ZEITBONUS 1234 - ÄÖÜ äöü"};
};

std::unique_ptr<Scene> Make(const SceneOptions& options) {
  if (options.scene != "text") return nullptr;
  return std::make_unique<SmoothTextScene>();
}

}  // namespace

int main(int argc, char** argv) { return RunScene(argc, argv, Make); }
