// The 32 collision layers and the free pool of quads.
//
// Layer masks are Int bit sets: bit j (1 << j) selects layer j. Layer 31, the
// sign bit, is the scratch layer of ImagesOverlap. Layers fill until they are
// cleared; cleared quads go to the free pool and are reused, the last
// cleared first.
#pragma once

#include <cstdint>
#include <vector>

#include "collision_quad.h"
#include "image.h"
#include "../runtime/object.h"

namespace tazmix {

inline constexpr int32_t COLLISION_LAYER_COUNT = 32;

// A quad (from the pool when it has one) for `image` frame `frame`, or for a
// solid rectangle when image is Null, drawn at (x, y) with the current
// origin and the collision transform. An image's handle is applied; the
// context's handle is not. Without a current 2D graphics the origin is (0, 0).
// The frame's pixmap is the mask when its format has alpha (converted to
// FORMAT_RGBA32 unless it has 4 bytes per pixel); otherwise the quad is solid.
Ref<TQuad> MakeQuad(TImage* image, int32_t frame, float x, float y, float width, float height,
                    const Ref<Object>& id);

// Tests `quad` against every quad of the layers in collide_mask, then writes
// copies of it into the layers in write_mask. Returns the id of every quad
// found, once per layer it was found in; all tests come before any writing,
// so a quad never finds itself.
std::vector<Ref<Object>> CollideQuadLayers(const TQuad& quad, int32_t collide_mask, int32_t write_mask);

// Empties the layers in `mask` (all 32 when mask is 0) into the free pool,
// dropping the ids and masks their quads held. Returns 0.
int32_t ClearCollisionLayers(int32_t mask);

}  // namespace tazmix
