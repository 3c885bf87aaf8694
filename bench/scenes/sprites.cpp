// The sprite scene: N rotated, alpha-blended 32x32 sprites bouncing around
// an 800x600 window. Mostly a measure of fill rate and of the cost per quad.
//
//   scene_sprites sprites [N] [--warmup W] [--frames F] [--assets DIR] [--check OUT.ppm]
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/scenes/harness/scene_harness.h"
#include "draw2d/draw2d.h"

namespace {

using namespace tazmix;
using namespace tazmix::bench;

struct Sprite {
  float x, y, vx, vy, angle, spin;
};

// Keeps a position in [0, limit] by mirroring it at the edges.
void Bounce(float& p, float& v, float limit) {
  if (p < 0) {
    p = -p;
    v = -v;
  }
  if (p > limit) {
    p = 2 * limit - p;
    v = -v;
  }
}

class SpriteScene : public Scene {
 public:
  explicit SpriteScene(int32_t n) {
    XorShift32 random(12345);
    sprites_.resize(static_cast<size_t>(n));
    for (Sprite& s : sprites_) {
      s.x = random.Uniform(0, 768);
      s.y = random.Uniform(0, 568);
      s.vx = random.Uniform(-3, 3);
      s.vy = random.Uniform(-3, 3);
      s.angle = random.Uniform(0, 360);
      s.spin = random.Uniform(-5, 5);
    }
  }

  bool Load(const SceneOptions& options) override {
    image_ = LoadSceneImage(options, "sprite.png");
    if (!image_) return false;
    MidHandleImage(image_);
    return true;
  }

  int32_t Count() const override { return static_cast<int32_t>(sprites_.size()); }

  void Update(int32_t) override {
    for (Sprite& s : sprites_) {
      s.x += s.vx;
      s.y += s.vy;
      Bounce(s.x, s.vx, 768);
      Bounce(s.y, s.vy, 568);
      s.angle += s.spin;
      if (s.angle >= 360) s.angle -= 360;
      if (s.angle < 0) s.angle += 360;
    }
  }

  void Draw(int32_t) override {
    SetColor(255, 255, 255);
    SetBlend(BLEND_ALPHA);
    SetAlpha(0.8f);
    for (const Sprite& s : sprites_) {
      SetRotation(s.angle);
      DrawImage(image_, s.x + 16, s.y + 16);
    }
    SetRotation(0);
    SetAlpha(1);
  }

  // Plenty of the screen is covered: at least 100 pixels per sprite, up to
  // a tenth of the window.
  bool Check(const TPixmap& frame) const override {
    const int32_t covered = CountPixels(frame, 0, 0, kSceneWidth, kSceneHeight, [](Rgb c) { return !IsClearColor(c); });
    const int32_t wanted = std::min<int32_t>(Count() * 100, kSceneWidth * kSceneHeight / 10);
    return covered >= wanted;
  }

 private:
  std::vector<Sprite> sprites_;
  Ref<TImage> image_;
};

std::unique_ptr<Scene> Make(const SceneOptions& options) {
  if (options.scene != "sprites") return nullptr;
  return std::make_unique<SpriteScene>(options.n);
}

}  // namespace

int main(int argc, char** argv) { return RunScene(argc, argv, Make); }
