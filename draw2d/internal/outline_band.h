// The band that outlines a closed shape: everything inside the shape within
// the line width of its edge. The outline functions draw it as triangles
// through the driver's DrawPoly, so it is turned, scaled, coloured and
// blended exactly like the filled shape; no triangle overlaps another, so
// alpha blending shows no seams at the corners.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tazmix {

struct BandPoint {
  double x = 0;
  double y = 0;
};

// The points of a polygon (xy[2k], xy[2k+1]) without repeats: a point equal
// to the one before it (or the last equal to the first) adds no edge.
// Empty when the list is odd-sized, has fewer than three points or holds a
// value that is not finite.
std::vector<BandPoint> PolygonPoints(const std::vector<float>& xy);

enum class BandShape {
  kNothing,  // the polygon has no area
  kBand,     // `inner` holds the inner edge
  kFilled,   // the width reaches across the shape: all of it is the band
};

// The inner edge of the band along the polygon: inner[i] belongs to
// outer[i]. Each edge moves inward by `width`; an edge that shrinks to
// nothing on the way drops out, and its neighbours meet, so convex shapes
// come out exact. At a concave corner the inner point stays within four
// widths of the corner, so a sharp notch does not throw it far away.
BandShape InsetPolygon(const std::vector<BandPoint>& outer, double width, std::vector<BandPoint>& inner);

// Hands the band between the two edges to `triangle` as triangles of three
// points (x0, y0, x1, y1, x2, y2), two for each edge (one where the inner
// edge shrank to a point). `triangle` gets the same vector each time.
template <class F>
void ForEachBandTriangle(const std::vector<BandPoint>& outer, const std::vector<BandPoint>& inner, F triangle) {
  std::vector<float> xy(6);
  auto put = [&xy](int32_t k, const BandPoint& p) {
    xy[2 * k] = static_cast<float>(p.x);
    xy[2 * k + 1] = static_cast<float>(p.y);
  };
  const size_t n = outer.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    put(0, outer[i]);
    put(1, outer[j]);
    put(2, inner[j]);
    triangle(xy);
    if (inner[i].x == inner[j].x && inner[i].y == inner[j].y) continue;
    put(1, inner[j]);
    put(2, inner[i]);
    triangle(xy);
  }
}

}  // namespace tazmix
