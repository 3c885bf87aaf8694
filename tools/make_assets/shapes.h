// Shapes as signed distance functions (negative inside, in pixels) and their
// anti-aliased coverage masks.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/make_assets/canvas.h"

namespace vindra::assets {

using Shape = std::function<float(float x, float y)>;

struct Point {
  float x, y;
};

Shape Circle(float cx, float cy, float r);
// The box from (x0, y0) to (x1, y1) with corners rounded to `radius`.
Shape RoundedBox(float x0, float y0, float x1, float y1, float radius);
// A stroke from a to b, `half_width` either side, with round ends.
Shape Segment(Point a, Point b, float half_width);
// A stroke from a (half width ra) to b (half width rb): a tapering needle.
Shape TaperedSegment(Point a, float ra, Point b, float rb);
// Any simple polygon.
Shape Polygon(std::vector<Point> points);
// A band `half_width` either side of the shape's outline.
Shape Outline(Shape shape, float half_width);
// Grown (positive d) or shrunk (negative d).
Shape Grown(Shape shape, float d);
Shape Intersection(Shape a, Shape b);
Shape Union(Shape a, Shape b);

// Coverage of every pixel: 1 well inside, 0 well outside, a one-pixel ramp
// across the outline.
Mask Rasterise(int32_t width, int32_t height, const Shape& shape);

}  // namespace vindra::assets
