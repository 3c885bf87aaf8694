// Scan conversion of polygons for the collision tests: polygons are walked
// down the screen one pixel row at a time, their left and right edges
// stepped with every vertex channel (x, y, u, v), and a span function looks
// at each row where polygons are active.
//
// Rows and columns are the truncated coordinates; edges and texture
// coordinates are sampled at the middle of each row and pixel.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "draw2d/collision_quad.h"
#include "pixmap/pixmap.h"
#include "runtime/object.h"

namespace tazmix {

// The working record of one polygon during a scan.
class rpoly : public Object {
 public:
  Ref<TPixmap> texture;      // mask sampled for this polygon, or Null for solid
  std::vector<float> data;   // `channels` Floats per vertex: x, y, u, v
  int32_t channels = 0;
  int32_t count = 0;         // vertices
  int32_t size = 0;          // count * channels
  std::vector<float> ldat;   // current values of all channels on the left edge
  std::vector<float> ladd;   // their increments per row
  std::vector<float> rdat;   // the same on the right edge
  std::vector<float> radd;
  int32_t Left = 0;          // index in `data` of the vertex where the left edge ends
  int32_t Right = 0;         // the same for the right edge
  int32_t top = 0;           // least vertex y, truncated
  int32_t state = 0;         // 0 not reached yet, 1 active, 2 finished
};

// One polygon handed to ScanPolygons; the vertices are copied, not changed.
struct ScanPolygon {
  std::span<const float> vertices;
  int32_t channels = 4;
  Ref<TPixmap> mask;
};

// Called for each row with at least one active polygon, in the order the
// polygons became active; a negative result ends the scan with that value.
using SpanFunction = std::function<int32_t(const std::vector<rpoly*>& active, int32_t active_count, int32_t y)>;

// Scans every row from the least to the greatest truncated vertex y (that
// one excluded). Returns the last value the span function returned, 0 when
// it was never called.
int32_t ScanPolygons(std::span<const ScanPolygon> polygons, const SpanFunction& span);

// The span function of the collision test: -1 when the first two active
// polygons share a pixel of this row that is solid in both (a mask pixel is
// solid from alpha 128 up), else 0.
int32_t OverlapSpans(const std::vector<rpoly*>& active, int32_t active_count, int32_t y);

// Reverses the vertex order in place when no fan triangle from vertex 0 turns
// the clockwise way, so the scan always meets the left edge walking backward.
void MakeClockwise(std::vector<float>& data, int32_t channels);

// The turn of the triangle (x0, y0), (x1, y1), (x2, y2), truncated toward
// zero; negative for a clockwise turn on the screen (y down).
int32_t FanCross(float x0, float y0, float x1, float y1, float x2, float y2);

// 0 when the boxes of the two quads are apart or the quads share no solid
// pixel, -1 when they do. Boxes that only touch go on to the exact test.
int32_t QuadsOverlap(const TQuad& p, const TQuad& q);

}  // namespace tazmix
