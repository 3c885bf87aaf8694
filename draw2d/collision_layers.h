/// \file
/// The 32 collision layers and the free pool of quads.
///
/// Layer masks are Int bit sets: bit j (1 << j) selects layer j. Layer 31, the
/// sign bit, is the scratch layer of ImagesOverlap. Layers fill until they are
/// cleared; cleared quads go to the free pool and are reused, the last
/// cleared first. Most programs use collision.h and only call
/// ClearCollisionLayers from here.
///
/// \code{.cpp}
/// constexpr int32_t kWalls = 1 << 0, kEnemies = 1 << 1;
/// tazmix::ClearCollisionLayers(kEnemies);  // each frame, before recording them again
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "collision_quad.h"
#include "image.h"
#include "../runtime/object.h"

namespace tazmix {

/// The number of collision layers. \since 1.0
inline constexpr int32_t COLLISION_LAYER_COUNT = 32;

/// A quad for an image frame, or for a solid rectangle, drawn at (x, y) with
/// the current origin and the collision transform. An image's handle is
/// applied; the context's handle is not. Without a current 2D graphics the
/// origin is (0, 0). The frame's pixmap is the mask when its format has alpha
/// (converted to FORMAT_RGBA32 unless it has 4 bytes per pixel); otherwise the
/// quad is solid.
/// \param image the image, or nullptr for a solid rectangle.
/// \param frame the frame index.
/// \param x, y the position.
/// \param width, height the shape's size before the transform.
/// \param id the caller's identifier.
/// \return the quad, from the pool when it has one.
/// \since 1.0
Ref<TQuad> MakeQuad(TImage* image, int32_t frame, float x, float y, float width, float height,
                    const Ref<Object>& id);

/// Tests a quad against every quad of some layers, then writes copies of it
/// into others. All tests come before any writing, so a quad never finds
/// itself.
/// \param quad the shape.
/// \param collide_mask the layers to test against.
/// \param write_mask the layers to write it into.
/// \return the id of every quad found, once per layer it was found in.
/// \since 1.0
std::vector<Ref<Object>> CollideQuadLayers(const TQuad& quad, int32_t collide_mask, int32_t write_mask);

/// Empties layers into the free pool, dropping the ids and masks their quads
/// held.
/// \param mask the layers; 0 means all 32.
/// \return 0.
/// \since 1.0
int32_t ClearCollisionLayers(int32_t mask);

}  // namespace tazmix
