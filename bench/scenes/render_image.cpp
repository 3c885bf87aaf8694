// Render images: the cost of a frame that draws into an image and then
// shows it. The same small scene (N rotated, alpha-blended 32x32 sprites
// and a line of text) is drawn
//   direct   straight onto the window;
//   target   into an 800 x 600 render image, then that image 1:1 onto the window;
//   upscale  into a 400 x 300 render image, then that image twice as large
//            (the pixelated look of a game drawn small);
//   minimap  straight onto the window, and besides ten of the sprites into
//            a 160 x 90 render image shown in a corner.
// So direct against minimap is what two target switches cost, direct
// against target what they cost with a full window's clear and copy.
//
//   scene_render_image direct|target|upscale|minimap [N] [--warmup W] [--frames F] [--assets DIR] [--check OUT.ppm]
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/scenes/harness/scene_harness.h"
#include "draw2d/draw2d.h"

namespace {

using namespace tazmix;
using namespace tazmix::bench;

class RenderImageScene : public Scene {
 public:
  RenderImageScene(int32_t n, int32_t scale, bool through, bool minimap = false)
      : n_(n), scale_(scale), through_(through), minimap_(minimap) {}

  bool Load(const SceneOptions& options) override {
    sprite_ = LoadSceneImage(options, "sprite.png");
    if (!sprite_) return false;
    MidHandleImage(sprite_);
    if (through_) {
      target_ = CreateRenderImage(kSceneWidth / scale_, kSceneHeight / scale_, 0);
      if (!target_) return false;
    }
    if (minimap_) {
      map_ = CreateRenderImage(160, 90, IMAGE_FILTERED);
      if (!map_) return false;
    }
    return true;
  }

  int32_t Count() const override { return n_; }
  void Update(int32_t frame) override { frame_ = frame; }

  void Draw(int32_t) override {
    if (through_) {
      SetRenderImage(target_);
      SetClsColor(24, 48, 80);
      Cls();
    }
    SetColor(255, 255, 255);
    SetBlend(BLEND_ALPHA);
    SetAlpha(0.8f);
    const float size = static_cast<float>(kSceneWidth / scale_);
    for (int32_t i = 0; i < n_; ++i) {
      SetRotation(static_cast<float>((i * 37 + frame_ * 3) % 360));
      const auto x = static_cast<float>((i * 53 + frame_) % static_cast<int32_t>(size));
      const auto y = static_cast<float>((i * 97) % (kSceneHeight / scale_));
      DrawImage(sprite_, x, y);
    }
    SetRotation(0);
    SetAlpha(1);
    DrawText("render image scene", 10, 10);
    if (through_) {
      SetRenderImage(nullptr);
      SetBlend(BLEND_SOLID);
      DrawImageRect(target_, 0, 0, kSceneWidth, kSceneHeight);
    }
    if (minimap_) {
      SetRenderImage(map_);
      SetClsColor(0, 0, 0);
      Cls();
      SetBlend(BLEND_ALPHA);
      for (int32_t i = 0; i < 10; ++i) DrawImage(sprite_, static_cast<float>(16 * i + 8), 45);
      SetRenderImage(nullptr);
      SetClsColor(24, 48, 80);
      DrawImage(map_, kSceneWidth - 170, kSceneHeight - 100);
    }
  }

  // The sprites cover the window somewhere, and the text is white.
  bool Check(const TPixmap& frame) const override {
    return CountPixels(frame, 0, 0, kSceneWidth, kSceneHeight, [](Rgb c) { return !IsClearColor(c); }) > 1000 &&
           CountPixels(frame, 10 * scale_, 10 * scale_, 160 * scale_, 26 * scale_, IsWhite) > 50;
  }

 private:
  int32_t n_;
  int32_t scale_;
  bool through_;
  bool minimap_;
  int32_t frame_ = 0;
  Ref<TImage> sprite_;
  Ref<TImage> target_;
  Ref<TImage> map_;
};

std::unique_ptr<Scene> Make(const SceneOptions& options) {
  if (options.scene == "direct") return std::make_unique<RenderImageScene>(options.n, 1, false);
  if (options.scene == "target") return std::make_unique<RenderImageScene>(options.n, 1, true);
  if (options.scene == "upscale") return std::make_unique<RenderImageScene>(options.n, 2, true);
  if (options.scene == "minimap") return std::make_unique<RenderImageScene>(options.n, 1, false, true);
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) { return RunScene(argc, argv, Make); }
