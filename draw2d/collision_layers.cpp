#include "draw2d/collision_layers.h"

#include <array>

#include "draw2d/internal/collision_scan.h"
#include "draw2d/draw_state.h"
#include "draw2d/vex2d_graphics.h"
#include "pixmap/pixel_format.h"

namespace tazmix {

namespace {

struct CollisionState {
  std::array<Ref<TQuad>, COLLISION_LAYER_COUNT> layers;  // heads of the layer lists
  Ref<TQuad> pool;                                       // head of the free pool
};

CollisionState& State() {
  static CollisionState state;
  return state;
}

bool HasLayer(int32_t mask, int32_t layer) { return (static_cast<uint32_t>(mask) >> layer) & 1u; }

Ref<TQuad> TakeQuad() {
  CollisionState& state = State();
  if (!state.pool) return New<TQuad>();
  Ref<TQuad> quad = std::move(state.pool);
  state.pool = std::move(quad->link);
  return quad;
}

// Masks are read as 4-byte pixels with alpha in byte 3.
Ref<TPixmap> MaskOf(const Ref<TPixmap>& pixmap) {
  if (!pixmap || AlphaBits[pixmap->format] == 0) return nullptr;
  if (BytesPerPixel[pixmap->format] == 4) return pixmap;
  return pixmap->Convert(FORMAT_RGBA32);
}

// Room for `count` more results: the array grows to (count + 4) * 1.2,
// that is 4, 9, 15, 22 ... entries.
void Grow(std::vector<Ref<Object>>& found, size_t count) {
  if (count < found.size()) return;
  found.resize(static_cast<size_t>((static_cast<double>(count) + 4) * 1.2));
}

}  // namespace

Ref<TQuad> MakeQuad(TImage* image, int32_t frame, float x, float y, float width, float height,
                    const Ref<Object>& id) {
  const float hx = image ? -image->handle_x : 0;
  const float hy = image ? -image->handle_y : 0;
  float bx = x;
  float by = y;
  if (const TVex2DGraphics* g = TVex2DGraphics::Current()) {
    bx += g->origin_x;
    by += g->origin_y;
  }
  const CollisionMatrix& m = CollisionTransform();
  const float ax[4] = {hx, width + hx, width + hx, hx};
  const float ay[4] = {hy, hy, height + hy, height + hy};
  float cx[4];
  float cy[4];
  for (int i = 0; i < 4; ++i) {
    cx[i] = bx + ax[i] * m.ix + ay[i] * m.iy;
    cy[i] = by + ax[i] * m.jx + ay[i] * m.jy;
  }
  Ref<TQuad> quad = TakeQuad();
  quad->id = id;
  quad->mask = image ? MaskOf(image->Lock(frame, 1, 0)) : nullptr;
  quad->SetCoords(cx[0], cy[0], cx[1], cy[1], cx[2], cy[2], cx[3], cy[3]);
  return quad;
}

std::vector<Ref<Object>> CollideQuadLayers(const TQuad& quad, int32_t collide_mask, int32_t write_mask) {
  CollisionState& state = State();
  std::vector<Ref<Object>> found;
  size_t count = 0;
  for (int32_t j = 0; j < COLLISION_LAYER_COUNT; ++j) {
    if (!HasLayer(collide_mask, j)) continue;
    for (const TQuad* q = state.layers[j].get(); q; q = q->link.get()) {
      if (QuadsOverlap(quad, *q) == 0) continue;
      Grow(found, count);
      found[count++] = q->id;
    }
  }
  for (int32_t j = 0; j < COLLISION_LAYER_COUNT; ++j) {
    if (!HasLayer(write_mask, j)) continue;
    Ref<TQuad> copy = TakeQuad();
    copy->id = quad.id;
    copy->mask = quad.mask;
    copy->frame = quad.frame;
    copy->xyuv = quad.xyuv;
    copy->minx = quad.minx;
    copy->miny = quad.miny;
    copy->maxx = quad.maxx;
    copy->maxy = quad.maxy;
    copy->link = std::move(state.layers[j]);
    state.layers[j] = std::move(copy);
  }
  found.resize(count);
  return found;
}

int32_t ClearCollisionLayers(int32_t mask) {
  CollisionState& state = State();
  for (int32_t j = 0; j < COLLISION_LAYER_COUNT; ++j) {
    if (mask != 0 && !HasLayer(mask, j)) continue;
    if (!state.layers[j]) continue;
    TQuad* last = state.layers[j].get();
    for (;;) {
      last->id = nullptr;
      last->mask = nullptr;
      if (!last->link) break;
      last = last->link.get();
    }
    last->link = std::move(state.pool);
    state.pool = std::move(state.layers[j]);
  }
  return 0;
}

}  // namespace tazmix
