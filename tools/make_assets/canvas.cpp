#include "tools/make_assets/canvas.h"

#include <algorithm>
#include <cmath>

namespace vindra::assets {

using tazmix::Ref;
using tazmix::TPixmap;

namespace {

uint8_t ToByte(float v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

// One box blur along rows (step 1) or columns (step width), with a running sum.
void BoxPass(std::vector<float>& v, int32_t lines, int32_t length, int32_t line_step, int32_t step, int32_t radius) {
  std::vector<float> line(static_cast<size_t>(length));
  const float scale = 1.0f / static_cast<float>(2 * radius + 1);
  for (int32_t l = 0; l < lines; ++l) {
    float* base = v.data() + static_cast<size_t>(l) * line_step;
    for (int32_t i = 0; i < length; ++i) line[i] = base[static_cast<size_t>(i) * step];
    float sum = 0;
    for (int32_t i = -radius; i <= radius; ++i) sum += (i >= 0 && i < length) ? line[i] : 0;
    for (int32_t i = 0; i < length; ++i) {
      base[static_cast<size_t>(i) * step] = sum * scale;
      const int32_t out = i - radius, in = i + radius + 1;
      if (out >= 0) sum -= line[out];
      if (in < length) sum += line[in];
    }
  }
}

// For each of `to` cells spanning `from` source cells: the source cells it
// covers and the share of each.
std::vector<std::vector<std::pair<int32_t, float>>> AreaWeights(int32_t from, int32_t to) {
  std::vector<std::vector<std::pair<int32_t, float>>> weights(static_cast<size_t>(to));
  const float step = static_cast<float>(from) / static_cast<float>(to);
  for (int32_t i = 0; i < to; ++i) {
    const float begin = i * step, end = (i + 1) * step;
    for (int32_t k = static_cast<int32_t>(begin); k < from && k < end; ++k) {
      const float share = std::min(end, k + 1.0f) - std::max(begin, static_cast<float>(k));
      if (share > 0) weights[i].push_back({k, share / step});
    }
  }
  return weights;
}

}  // namespace

Color Rgb(int r, int g, int b, float a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }

Color Mix(const Color& a, const Color& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Paint Solid(const Color& c) {
  return [c](float, float) { return c; };
}

Paint VerticalGradient(float y0, const Color& top, float y1, const Color& bottom) {
  return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f)); };
}

Paint RadialGradient(float cx, float cy, float r, const Color& inner, const Color& outer) {
  return [=](float x, float y) { return Mix(inner, outer, std::min(std::hypot(x - cx, y - cy) / r, 1.0f)); };
}

Mask::Mask(int32_t width, int32_t height)
    : width_(width), height_(height), v_(static_cast<size_t>(width) * height, 0.0f) {}

float Mask::Get(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return v_[static_cast<size_t>(y) * width_ + x];
}

Mask Mask::Blurred(int32_t radius) const {
  Mask out = *this;
  if (radius <= 0) return out;
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(out.v_, height_, width_, width_, 1, radius);
    BoxPass(out.v_, width_, height_, 1, width_, radius);
  }
  return out;
}

Mask Mask::Dilated(float radius) const {
  Mask out(width_, height_);
  const int32_t reach = static_cast<int32_t>(std::ceil(radius + 0.5f));
  // Each neighbour counts by how far inside the disc it lies, which keeps
  // the grown edge as soft as the original one.
  std::vector<std::pair<std::pair<int32_t, int32_t>, float>> disc;
  for (int32_t dy = -reach; dy <= reach; ++dy)
    for (int32_t dx = -reach; dx <= reach; ++dx) {
      const float w = std::clamp(radius + 0.5f - std::hypot(static_cast<float>(dx), static_cast<float>(dy)), 0.0f, 1.0f);
      if (w > 0) disc.push_back({{dx, dy}, w});
    }
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x) {
      float best = 0;
      for (const auto& [d, w] : disc) best = std::max(best, Get(x + d.first, y + d.second) * w);
      out.At(x, y) = best;
    }
  return out;
}

Mask Mask::Times(const Mask& other) const {
  Mask out = *this;
  for (size_t i = 0; i < v_.size(); ++i) out.v_[i] *= other.v_[i];
  return out;
}

Mask Mask::Minus(const Mask& other) const {
  Mask out = *this;
  for (size_t i = 0; i < v_.size(); ++i) out.v_[i] *= 1.0f - other.v_[i];
  return out;
}

Mask Mask::Union(const Mask& other) const {
  Mask out = *this;
  for (size_t i = 0; i < v_.size(); ++i) out.v_[i] = std::max(out.v_[i], other.v_[i]);
  return out;
}

Mask Mask::Shifted(int32_t dx, int32_t dy) const {
  Mask out(width_, height_);
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x) out.At(x, y) = Get(x - dx, y - dy);
  return out;
}

Canvas::Canvas(int32_t width, int32_t height)
    : width_(width), height_(height), v_(static_cast<size_t>(width) * height * 4, 0.0f) {}

void Canvas::Draw(const Mask& mask, const Paint& paint, float opacity) {
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x) {
      const float cover = mask.Get(x, y) * opacity;
      if (cover <= 0) continue;
      const Color c = paint(x + 0.5f, y + 0.5f);
      const float a = std::clamp(c.a * cover, 0.0f, 1.0f);
      float* p = &v_[(static_cast<size_t>(y) * width_ + x) * 4];
      p[0] = c.r * a + p[0] * (1 - a);
      p[1] = c.g * a + p[1] * (1 - a);
      p[2] = c.b * a + p[2] * (1 - a);
      p[3] = a + p[3] * (1 - a);
    }
}

void Canvas::DrawCanvas(const Canvas& other, int32_t x, int32_t y) {
  for (int32_t j = 0; j < other.height_; ++j)
    for (int32_t i = 0; i < other.width_; ++i) {
      if (x + i < 0 || y + j < 0 || x + i >= width_ || y + j >= height_) continue;
      const float* q = &other.v_[(static_cast<size_t>(j) * other.width_ + i) * 4];
      float* p = &v_[(static_cast<size_t>(y + j) * width_ + x + i) * 4];
      for (int c = 0; c < 4; ++c) p[c] = q[c] + p[c] * (1 - q[3]);
    }
}

Canvas Canvas::Shrunk(int32_t width, int32_t height) const {
  const auto columns = AreaWeights(width_, width);
  const auto rows = AreaWeights(height_, height);
  Canvas out(width, height);
  // Premultiplied values average without dark fringes at soft edges.
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      float* p = &out.v_[(static_cast<size_t>(y) * width + x) * 4];
      for (const auto& [sy, wy] : rows[y])
        for (const auto& [sx, wx] : columns[x]) {
          const float* q = &v_[(static_cast<size_t>(sy) * width_ + sx) * 4];
          for (int c = 0; c < 4; ++c) p[c] += q[c] * wx * wy;
        }
    }
  return out;
}

Color Canvas::Pixel(int32_t x, int32_t y) const {
  const float* p = &v_[(static_cast<size_t>(y) * width_ + x) * 4];
  if (p[3] <= 0) return {0, 0, 0, 0};
  return {p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

Ref<TPixmap> Canvas::ToRGBA() const {
  Ref<TPixmap> out = TPixmap::Create(width_, height_, tazmix::FORMAT_RGBA32, 4);
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x) {
      const Color c = Pixel(x, y);
      uint8_t* p = out->PixelPtr(x, y);
      p[0] = ToByte(c.r);
      p[1] = ToByte(c.g);
      p[2] = ToByte(c.b);
      p[3] = ToByte(c.a);
    }
  return out;
}

Ref<TPixmap> Canvas::ToRGBOverBlack() const {
  Ref<TPixmap> out = TPixmap::Create(width_, height_, tazmix::FORMAT_RGB24, 4);
  for (int32_t y = 0; y < height_; ++y)
    for (int32_t x = 0; x < width_; ++x) {
      const float* p = &v_[(static_cast<size_t>(y) * width_ + x) * 4];
      uint8_t* q = out->PixelPtr(x, y);
      for (int i = 0; i < 3; ++i) q[i] = ToByte(p[i]);
    }
  return out;
}

}  // namespace vindra::assets
