// The asset maker's drawing surface: coverage masks, paints and a canvas that
// composites painted masks one over the other, then hands out a pixmap.
//
// Coordinates are pixels, (0, 0) at the top left; a pixel's centre is at
// (x + 0.5, y + 0.5). Colours are straight (not premultiplied) 0..1 floats;
// the canvas keeps premultiplied values so "over" is one line.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "pixmap/pixmap.h"
#include "runtime/object.h"

namespace vindra::assets {

struct Color {
  float r = 0, g = 0, b = 0, a = 1;
};

// From 0..255 channels.
Color Rgb(int r, int g, int b, float a = 1);
// Linear mix: t = 0 gives `a`, t = 1 gives `b`.
Color Mix(const Color& a, const Color& b, float t);

// A colour for every point.
using Paint = std::function<Color(float x, float y)>;
Paint Solid(const Color& c);
// From `top` at y0 to `bottom` at y1, constant beyond.
Paint VerticalGradient(float y0, const Color& top, float y1, const Color& bottom);
// From `inner` at the centre to `outer` at radius r, constant beyond.
Paint RadialGradient(float cx, float cy, float r, const Color& inner, const Color& outer);

// Coverage 0..1 per pixel; reads outside the mask give 0.
class Mask {
 public:
  Mask(int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  float Get(int32_t x, int32_t y) const;
  float& At(int32_t x, int32_t y) { return v_[static_cast<size_t>(y) * width_ + x]; }

  // Soft copy: three box blurs of the given radius, close to a Gaussian.
  Mask Blurred(int32_t radius) const;
  // Grown by `radius` pixels with a soft edge: an outline's mask.
  Mask Dilated(float radius) const;
  // Pixel by pixel: this * other, this * (1 - other), max(this, other).
  Mask Times(const Mask& other) const;
  Mask Minus(const Mask& other) const;
  Mask Union(const Mask& other) const;
  // Moved by whole pixels; what moves in is 0.
  Mask Shifted(int32_t dx, int32_t dy) const;

 private:
  int32_t width_;
  int32_t height_;
  std::vector<float> v_;
};

class Canvas {
 public:
  // Fully transparent.
  Canvas(int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

  // Paints `paint` through `mask` over what is there, scaled by `opacity`.
  void Draw(const Mask& mask, const Paint& paint, float opacity = 1);
  // Puts `other` over this canvas with its top-left pixel at (x, y).
  void DrawCanvas(const Canvas& other, int32_t x, int32_t y);
  // A smaller copy: each new pixel is the area-weighted mean of the pixels
  // it covers, so fine lines fade rather than vanish.
  Canvas Shrunk(int32_t width, int32_t height) const;
  // The straight-alpha colour of a pixel.
  Color Pixel(int32_t x, int32_t y) const;

  // FORMAT_RGBA32 with straight alpha.
  tazmix::Ref<tazmix::TPixmap> ToRGBA() const;
  // FORMAT_RGB24, composited over black.
  tazmix::Ref<tazmix::TPixmap> ToRGBOverBlack() const;

 private:
  int32_t width_;
  int32_t height_;
  std::vector<float> v_;  // premultiplied r, g, b, a per pixel
};

}  // namespace vindra::assets
