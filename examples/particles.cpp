// particles: a fountain of short-lived particles: each is born with a random
// speed, falls under gravity, fades as it ages and is dropped when its time
// is up. Drawn with BLEND_LIGHT, so where many overlap they glow.
//
// Controls: the mouse moves the fountain, hold the left button for more,
// Escape ends.
#include <algorithm>
#include <cmath>
#include <vector>

#include <tazmix/tazmix.h>

using namespace tazmix;

struct Particle {
  float x, y, vx, vy;  // position, and speed in pixels per second
  float age, life;     // seconds
};

// A soft white dot; SetColor tints it.
Ref<TImage> MakeDot() {
  Ref<TPixmap> pixels = CreatePixmap(16, 16, FORMAT_RGBA32);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      const float d = std::hypot(x - 7.5f, y - 7.5f) / 8;
      pixels->WritePixel(x, y, (static_cast<int32_t>(255 * std::max(0.0f, 1 - d)) << 24) | 0xFFFFFF);
    }
  }
  return LoadImage(pixels);
}

int ParticlesMain() {
  InitTazmix();
  ApplicationTitle = "particles";
  if (!OpenGraphics(640, 480, 0, 60, 0)) return 1;
  SetClsColor(5, 5, 15);
  AutoMidHandle(1);
  Ref<TImage> dot = MakeDot();
  std::vector<Particle> particles;

  while (!KeyHit(KEY_ESCAPE) && !AppTerminate()) {
    const float dt = static_cast<float>(FrameTime());
    // Births: a few per frame, many more while the button is held.
    const int32_t born = MouseDown(MOUSE_LEFT) ? 40 : 8;
    for (int32_t i = 0; i < born; ++i) {
      const float angle = static_cast<float>(RandomRange(-0.3, 0.3)), speed = static_cast<float>(RandomRange(300, 450));
      particles.push_back({static_cast<float>(MouseX()), static_cast<float>(MouseY()), speed * std::sin(angle),
                           -speed * std::cos(angle), 0, static_cast<float>(RandomRange(1, 2))});
    }
    // Motion, then the old ones go.
    for (Particle& p : particles) {
      p.vy += 400 * dt;  // gravity
      p.x += p.vx * dt;
      p.y += p.vy * dt;
      p.age += dt;
    }
    std::erase_if(particles, [](const Particle& p) { return p.age >= p.life; });

    Cls();
    SetBlend(BLEND_LIGHT);
    for (const Particle& p : particles) {
      const float left = 1 - p.age / p.life;  // 1 when born, 0 at the end
      SetAlpha(left);
      SetColor(255, static_cast<int32_t>(120 + 135 * left), static_cast<int32_t>(60 * left));
      DrawImage(dot, p.x, p.y);
    }
    SetBlend(BLEND_ALPHA);
    SetAlpha(1);
    SetColor(255, 255, 255);
    DrawText(String::FromInt(static_cast<int32_t>(particles.size())) + " particles", 10, 10);
    Flip(-1);
  }
  return 0;
}

int main(int argc, char** argv) { return RunApplication(argc, argv, ParticlesMain); }
