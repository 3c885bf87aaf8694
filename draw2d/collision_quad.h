// A shape recorded for collision tests: four transformed corners with their
// texture coordinates, and the alpha mask sampled through them (Null for a
// solid shape). Quads live in the collision layers or in the free pool,
// chained through `link`.
#pragma once

#include <array>
#include <cstdint>

#include "../pixmap/pixmap.h"
#include "../runtime/object.h"

namespace tazmix {

class TQuad : public Object {
 public:
  TQuad() = default;
  // Unlinks the chain behind it one quad at a time, so a long layer or pool
  // is not released by recursion.
  ~TQuad() override;

  Ref<TQuad> link;     // next quad of the same layer list or of the free pool
  Ref<Object> id;      // the caller's identifier, returned by collision queries
  Ref<TPixmap> mask;   // 4 bytes per pixel, alpha in byte 3; Null: solid
  int32_t frame = 0;   // copied with the quad, never read
  float minx = 0;
  float miny = 0;
  float maxx = 0;
  float maxy = 0;
  std::array<float, 16> xyuv{};  // four vertices of (x, y, u, v)

  // Stores the corners with u running 0 to 1 from the first to the second
  // and v from the second to the third, and their bounding box.
  void SetCoords(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3);
};

// Registers TQuad and the scan's working record; called by the 2D layer's
// initialisation.
void RegisterCollisionClasses();

}  // namespace tazmix
