// Pixel-exact collision of images and rectangles as the drawing layer would
// draw them: at the current origin, with the image's handle and the current
// rotation and scale. Shapes are recorded in 32 collision layers (see
// collision_layers.h); nothing is drawn and no driver is involved.
//
// A mask pixel is solid from alpha 128 up; images whose pixmap format has no
// alpha are solid all over. A pixel counts for a shape when its truncated
// position falls inside the shape's span on that row.
#pragma once

#include <cstdint>
#include <vector>

#include "collision_layers.h"
#include "image.h"
#include "../runtime/object.h"

namespace tazmix {

// Tests image frame `frame` drawn at (x, y) against the layers in
// collide_mask, then records it with `id` in the layers in write_mask.
// Returns the id of every recorded shape it overlaps, once per layer it was
// found in; empty when there is none. A Null image, or a frame the image
// does not have, collides with nothing and is not recorded.
std::vector<Ref<Object>> CollideImageAt(const Ref<TImage>& image, float x, float y, int32_t frame,
                                        int32_t collide_mask, int32_t write_mask, const Ref<Object>& id);

// The same for a solid rectangle of the given size; no handle is applied.
std::vector<Ref<Object>> CollideRectAt(float x, float y, float width, float height, int32_t collide_mask,
                                       int32_t write_mask, const Ref<Object>& id);

// 1 when the two image frames, drawn with the current transform, share a
// solid pixel, else 0. Uses layer 31, which keeps image1's shape until the
// next clear.
int32_t ImagesOverlap(const Ref<TImage>& image1, float x1, float y1, int32_t frame1, const Ref<TImage>& image2,
                      float x2, float y2, int32_t frame2);

// ImagesOverlap with a rotation (degrees) and scale for each image. The
// drawing layer's rotation and scale are restored afterwards; needs a
// current 2D graphics.
int32_t ImagesOverlapTransformed(const Ref<TImage>& image1, float x1, float y1, int32_t frame1, float rotation1,
                                 float scale_x1, float scale_y1, const Ref<TImage>& image2, float x2, float y2,
                                 int32_t frame2, float rotation2, float scale_x2, float scale_y2);

}  // namespace tazmix
