#include "tools/make_assets/shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vindra::assets {

Shape Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Shape RoundedBox(float x0, float y0, float x1, float y1, float radius) {
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    const float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Shape Segment(Point a, Point b, float half_width) { return TaperedSegment(a, half_width, b, half_width); }

Shape TaperedSegment(Point a, float ra, Point b, float rb) {
  return [=](float x, float y) {
    const float bx = b.x - a.x, by = b.y - a.y;
    const float len2 = bx * bx + by * by;
    const float t = len2 > 0 ? std::clamp(((x - a.x) * bx + (y - a.y) * by) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(x - a.x - bx * t, y - a.y - by * t) - (ra + (rb - ra) * t);
  };
}

Shape Polygon(std::vector<Point> points) {
  return [p = std::move(points)](float x, float y) {
    // Distance to the nearest edge, signed by the crossing count.
    float d2 = INFINITY;
    bool inside = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
      const float ex = p[j].x - p[i].x, ey = p[j].y - p[i].y;
      const float wx = x - p[i].x, wy = y - p[i].y;
      const float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
      d2 = std::min(d2, (wx - ex * t) * (wx - ex * t) + (wy - ey * t) * (wy - ey * t));
      if ((p[i].y > y) != (p[j].y > y) && x < ex * (y - p[i].y) / ey + p[i].x) inside = !inside;
    }
    return inside ? -std::sqrt(d2) : std::sqrt(d2);
  };
}

Shape Outline(Shape shape, float half_width) {
  return [=](float x, float y) { return std::abs(shape(x, y)) - half_width; };
}

Shape Grown(Shape shape, float d) {
  return [=](float x, float y) { return shape(x, y) - d; };
}

Shape Intersection(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Mask Rasterise(int32_t width, int32_t height, const Shape& shape) {
  Mask out(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) out.At(x, y) = std::clamp(0.5f - shape(x + 0.5f, y + 0.5f), 0.0f, 1.0f);
  return out;
}

}  // namespace vindra::assets
