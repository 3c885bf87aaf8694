#include "game/window_icon.h"

#include <algorithm>
#include <cmath>

#include "graphics/graphics_icon.h"
#include "pixmap/pixmap_loader.h"
#include "pixmap/pixmap_resize.h"

using namespace tazmix;

namespace vindra {

namespace {

constexpr float kInset = 2.0f;
constexpr float kCorner = 11.0f;
constexpr float kTitleMargin = 3.0f;

// How much of the pixel at (x, y) lies inside the rounded tile, 0..1.
float TileCoverage(int32_t x, int32_t y) {
  const float half = WINDOW_ICON_SIZE / 2.0f;
  const float reach = half - kInset - kCorner;
  // Distance from the pixel's centre to the tile's edge, negative inside.
  const float dx = std::max(std::fabs(x + 0.5f - half) - reach, 0.0f);
  const float dy = std::max(std::fabs(y + 0.5f - half) - reach, 0.0f);
  const float outside = std::sqrt(dx * dx + dy * dy) - kCorner;
  return std::clamp(0.5f - outside, 0.0f, 1.0f);
}

uint32_t Mix(uint32_t from, uint32_t to, float t) {
  return static_cast<uint32_t>(static_cast<float>(from) + (static_cast<float>(to) - static_cast<float>(from)) * t + 0.5f);
}

// Slate, lighter at the top.
void DrawTile(TPixmap& icon) {
  for (int32_t y = 0; y < WINDOW_ICON_SIZE; ++y) {
    const float t = static_cast<float>(y) / (WINDOW_ICON_SIZE - 1);
    for (int32_t x = 0; x < WINDOW_ICON_SIZE; ++x) {
      const auto alpha = static_cast<uint32_t>(TileCoverage(x, y) * 255.0f + 0.5f);
      icon.WritePixel(x, y, PackARGB(alpha, Mix(62, 24, t), Mix(76, 30, t), Mix(112, 50, t)));
    }
  }
}

// `picture` over the icon with its top-left at (left, top).
void DrawOver(TPixmap& icon, const TPixmap& picture, int32_t left, int32_t top) {
  for (int32_t y = 0; y < picture.height; ++y) {
    for (int32_t x = 0; x < picture.width; ++x) {
      const int32_t src = picture.ReadPixel(x, y);
      const int32_t dst = icon.ReadPixel(left + x, top + y);
      const float as = AlphaOf(src) / 255.0f;
      const float ad = AlphaOf(dst) / 255.0f;
      const float a = as + ad * (1 - as);
      if (a <= 0) continue;
      // Straight (not premultiplied) colours: the share of the picture in
      // what shows.
      const float t = as / a;
      icon.WritePixel(left + x, top + y,
                      PackARGB(static_cast<uint32_t>(a * 255 + 0.5f), Mix(RedOf(dst), RedOf(src), t),
                               Mix(GreenOf(dst), GreenOf(src), t), Mix(BlueOf(dst), BlueOf(src), t)));
    }
  }
}

}  // namespace

Ref<TPixmap> MakeWindowIcon(const Ref<TPixmap>& title) {
  if (!title || title->width <= 0 || title->height <= 0) return nullptr;
  Ref<TPixmap> icon = CreatePixmap(WINDOW_ICON_SIZE, WINDOW_ICON_SIZE, FORMAT_RGBA32);
  if (!icon) return nullptr;
  DrawTile(*icon);
  // Halving first: one bilinear step of more than two to one would skip
  // rows and columns of the lettering.
  Ref<TPixmap> picture = title->Convert(FORMAT_RGBA32);
  const float room = WINDOW_ICON_SIZE - 2 * (kInset + kTitleMargin);
  while (picture && picture->width > 2 * room) picture = ResizePixmap(picture, picture->width / 2, picture->height / 2);
  if (!picture) return icon;
  const float scale = std::min(room / picture->width, room / picture->height);
  const int32_t w = std::max(1, static_cast<int32_t>(picture->width * scale));
  const int32_t h = std::max(1, static_cast<int32_t>(picture->height * scale));
  picture = ResizePixmap(picture, w, h);
  if (picture) DrawOver(*icon, *picture, (WINDOW_ICON_SIZE - w) / 2, (WINDOW_ICON_SIZE - h) / 2);
  return icon;
}

void SetGameIcon() {
  const Ref<TPixmap> icon = MakeWindowIcon(LoadPixmap(String("Title.png")));
  if (icon) SetGraphicsIcon(icon);
}

}  // namespace vindra
