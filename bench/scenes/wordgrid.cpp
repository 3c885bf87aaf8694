// The word-grid scene: the game's round screen with a 19x19 grid of tiles and
// letters, the clock with three turning hands and four lines of status text.
// Many small images from many textures: a measure of the cost per draw.
//
//   scene_wordgrid wordgrid [--warmup W] [--frames F] [--assets DIR] [--font TTF] [--check OUT.ppm]
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/scenes/harness/scene_harness.h"
#include "draw2d/draw2d.h"
#include "font/font.h"

namespace {

using namespace tazmix;
using namespace tazmix::bench;

constexpr int32_t kCells = 19;
constexpr int32_t kCellSize = 600 * 9 / 10 / kCells;  // Int(600 * 0.9 / 19) = 28
constexpr int32_t kGridLeft = 10;
constexpr int32_t kGridTop = 10;
constexpr float kClockX = 580;
constexpr float kClockY = 20;
constexpr float kHandX = 680;
constexpr float kHandY = 120;

// The three hands' angles at frame f, in degrees clockwise from twelve.
float HandAngle(int32_t hand, int32_t f) {
  const double turns[] = {30.0 + f / 12.0, 120.0 + f, 250.0 + 6.0 * f};
  return static_cast<float>(std::fmod(turns[hand], 360.0));
}

class WordGridScene : public Scene {
 public:
  WordGridScene() {
    XorShift32 random(2024);
    for (int32_t i = 0; i < kCells * kCells; ++i) {
      const char16_t letter = static_cast<char16_t>(u'A' + random.Next() % 26);
      letters_.push_back(String(std::u16string(1, letter)));
    }
  }

  bool Load(const SceneOptions& options) override {
    tile_ = LoadSceneImage(options, "tile.png");
    clock_ = LoadSceneImage(options, "clock.png");
    hand_ = LoadSceneImage(options, "hand.png");
    big_font_ = LoadFont(options, 80);
    small_font_ = LoadFont(options, 16);
    if (!tile_ || !clock_ || !hand_ || !big_font_ || !small_font_) return false;
    SetImageHandle(hand_, 2, 82);
    return true;
  }

  int32_t Count() const override { return kCells * kCells; }

  void Update(int32_t) override {}

  void Draw(int32_t frame) override {
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetRotation(0);

    // Tiles, opaque.
    SetBlend(BLEND_SOLID);
    const float tile_scale = static_cast<float>(kCellSize) / 74.0f;
    SetScale(tile_scale, tile_scale);
    for (int32_t y = 0; y < kCells; ++y) {
      for (int32_t x = 0; x < kCells; ++x) {
        DrawImage(tile_, static_cast<float>(kGridLeft + x * kCellSize), static_cast<float>(kGridTop + y * kCellSize));
      }
    }

    // Letters, centred in their cells at 1/160 of the cell size per font unit.
    SetBlend(BLEND_ALPHA);
    SetImageFont(big_font_);
    const float f = static_cast<float>(kCellSize) / 160.0f;
    SetScale(f, f);
    const float half_height = static_cast<float>(TextHeight()) / 2.0f * f;
    for (int32_t y = 0; y < kCells; ++y) {
      for (int32_t x = 0; x < kCells; ++x) {
        const String& letter = letters_[static_cast<size_t>(y * kCells + x)];
        const float cx = static_cast<float>(kGridLeft + x * kCellSize + kCellSize / 2);
        const float cy = static_cast<float>(kGridTop + y * kCellSize + kCellSize / 2);
        DrawText(letter, cx - static_cast<float>(TextWidth(letter)) / 2.0f * f, cy - half_height);
      }
    }

    // The clock and its hands.
    SetScale(1, 1);
    DrawImage(clock_, kClockX, kClockY);
    for (int32_t hand = 0; hand < 3; ++hand) {
      SetRotation(HandAngle(hand, frame));
      DrawImage(hand_, kHandX, kHandY);
    }
    SetRotation(0);

    // Status lines, two at the left, two right-aligned.
    SetImageFont(small_font_);
    DrawText(status_[0], 10, 552);
    DrawText(status_[1], 10, 574);
    DrawRightAligned(status_[2], 552);
    DrawRightAligned(status_[3], 574);
  }

  bool Check(const TPixmap& frame) const override {
    int32_t tiled = 0, lettered = 0;
    for (int32_t y = 0; y < kCells; ++y) {
      for (int32_t x = 0; x < kCells; ++x) {
        const int32_t left = kGridLeft + x * kCellSize, top = kGridTop + y * kCellSize;
        // A tile's corners carry no letter: they show the tile, not the clear colour.
        const Rgb corner = PixelAt(frame, left + 2, top + 2);
        tiled += !IsClearColor(corner) && !IsWhite(corner);
        lettered += CountPixels(frame, left + 4, top + 4, left + kCellSize - 4, top + kCellSize - 4, IsWhite) > 0;
      }
    }
    const bool grid = tiled == kCells * kCells && lettered == kCells * kCells;
    const bool left_text = CountPixels(frame, 10, 552, 300, 594, IsWhite) >= 100;
    const bool right_text = CountPixels(frame, 600, 552, 790, 594, IsWhite) >= 100;
    // The face is light and fills the clock picture's middle.
    const bool face = CountPixels(frame, 600, 40, 760, 200, [](Rgb c) { return c.r >= 200 && c.g >= 200; }) >=
                      160 * 160 / 2;
    bool hands = true;
    for (int32_t hand = 0; hand < 3; ++hand) {
      // Half-way along each hand, away from the face's own dark marks.
      const double a = HandAngle(hand, 2) * 0.017453292519943295;
      const int32_t px = static_cast<int32_t>(std::lround(kHandX + 40 * std::sin(a)));
      const int32_t py = static_cast<int32_t>(std::lround(kHandY - 40 * std::cos(a)));
      hands = hands && CountPixels(frame, px - 2, py - 2, px + 3, py + 3, IsDark) > 0;
    }
    if (!grid) std::fprintf(stderr, "grid: %d tiled cells, %d with letter pixels\n", tiled, lettered);
    if (!left_text || !right_text) std::fprintf(stderr, "status text missing\n");
    if (!face) std::fprintf(stderr, "clock face missing\n");
    if (!hands) std::fprintf(stderr, "clock hands missing\n");
    return grid && left_text && right_text && face && hands;
  }

 private:
  static Ref<TImageFont> LoadFont(const SceneOptions& options, int32_t size) {
    Ref<TImageFont> font = LoadImageFont(String::FromUTF8String(options.font), size, FONT_SMOOTH);
    if (!font) {
      std::fprintf(stderr, "cannot load %s at %d pixels\n", options.font.c_str(), size);
      return nullptr;
    }
    // Smooth glyphs keep their transparent border, but the scene's textures
    // are filtered linearly without mipmaps, as in the other libraries.
    font->_imageFlags = IMAGE_FILTERED;
    return font;
  }

  static void DrawRightAligned(const String& text, float y) {
    DrawText(text, static_cast<float>(790 - TextWidth(text)), y);
  }

  std::vector<String> letters_;
  // Made once: the texts are the same every frame, and DrawText gets a String.
  const String status_[4] = {u"Suche nach diesem Wort: BEISPIEL", u"Punkte für das Wort: 900",
                             u"Wörter übrig: 12", u"Punktestand: 1200"};
  Ref<TImage> tile_, clock_, hand_;
  Ref<TImageFont> big_font_, small_font_;
};

std::unique_ptr<Scene> Make(const SceneOptions& options) {
  if (options.scene != "wordgrid") return nullptr;
  return std::make_unique<WordGridScene>();
}

}  // namespace

int main(int argc, char** argv) { return RunScene(argc, argv, Make); }
