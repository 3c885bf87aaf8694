/// \file
/// A shape recorded for collision tests: four transformed corners with their
/// texture coordinates, and the alpha mask sampled through them (Null for a
/// solid shape). Quads live in the collision layers or in the free pool,
/// chained through `link`. Programs meet them only through MakeQuad and
/// CollideQuadLayers.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TQuad> q = tazmix::MakeQuad(nullptr, 0, 10, 10, 32, 32, nullptr);
/// float right = q->maxx;
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <array>
#include <cstdint>

#include "../pixmap/pixmap.h"
#include "../runtime/object.h"

namespace tazmix {

/// A shape recorded for collision tests.
/// \since 1.0
class TQuad : public Object {
 public:
  /// An empty quad. \since 1.0
  TQuad() = default;
  /// Unlinks the chain behind it one quad at a time, so a long layer or pool
  /// is not released by recursion. \since 1.0
  ~TQuad() override;

  /// The next quad of the same layer list or of the free pool. \since 1.0
  Ref<TQuad> link;
  /// The caller's identifier, returned by collision queries. \since 1.0
  Ref<Object> id;
  /// 4 bytes per pixel, alpha in byte 3; Null: solid. \since 1.0
  Ref<TPixmap> mask;
  /// Copied with the quad, never read. \since 1.0
  int32_t frame = 0;
  /// The bounding box's left edge. \since 1.0
  float minx = 0;
  /// The bounding box's top edge. \since 1.0
  float miny = 0;
  /// The bounding box's right edge. \since 1.0
  float maxx = 0;
  /// The bounding box's bottom edge. \since 1.0
  float maxy = 0;
  /// Four vertices of (x, y, u, v). \since 1.0
  std::array<float, 16> xyuv{};

  /// Stores the corners with u running 0 to 1 from the first to the second
  /// and v from the second to the third, and their bounding box.
  /// \param x0, y0 the first corner.
  /// \param x1, y1 the second.
  /// \param x2, y2 the third.
  /// \param x3, y3 the fourth.
  /// \since 1.0
  void SetCoords(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3);
};

/// Registers TQuad and the scan's working record; called by the 2D layer's
/// initialisation. \since 1.0
void RegisterCollisionClasses();

}  // namespace tazmix
