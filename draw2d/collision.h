/// \file
/// Pixel-exact collision of images and rectangles as the drawing layer would
/// draw them: at the current origin, with the image's handle and the current
/// rotation and scale. Shapes are recorded in 32 collision layers (see
/// collision_layers.h); nothing is drawn and no driver is involved.
///
/// A mask pixel is solid from alpha 128 up; images whose pixmap format has no
/// alpha are solid all over. A pixel counts for a shape when its truncated
/// position falls inside the shape's span on that row.
///
/// \code{.cpp}
/// // Each frame: clear layer 0, record every rock in it, test the ship against it.
/// tazmix::ClearCollisionLayers(1);
/// for (auto& rock : rocks) tazmix::CollideImageAt(rock_image, rock->x, rock->y, 0, 0, 1, rock);
/// std::vector<tazmix::Ref<tazmix::Object>> hits = tazmix::CollideImageAt(ship_image, ship_x, ship_y, 0, 1, 0, nullptr);
/// for (auto& hit : hits) Explode(tazmix::Cast<TRock>(hit));
///
/// // Or just two images, once:
/// if (tazmix::ImagesOverlap(ship_image, ship_x, ship_y, 0, ufo_image, ufo_x, ufo_y, 0)) LoseLife();
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>
#include <vector>

#include "collision_layers.h"
#include "image.h"
#include "../runtime/object.h"

namespace tazmix {

/// Tests an image frame drawn at (x, y) against the shapes recorded in some
/// layers, then records it in others. Works without graphics (origin and
/// transform then at rest).
/// \param image the image; Null, or a frame the image does not have, collides
///   with nothing and is not recorded.
/// \param x, y where its handle lands.
/// \param frame the frame index.
/// \param collide_mask the layers to test against (bit j: layer j).
/// \param write_mask the layers to record it in.
/// \param id what later tests report for this shape; may be Null.
/// \return the id of every recorded shape it overlaps, once per layer it was
///   found in; empty when there is none.
/// \since 1.0
std::vector<Ref<Object>> CollideImageAt(const Ref<TImage>& image, float x, float y, int32_t frame,
                                        int32_t collide_mask, int32_t write_mask, const Ref<Object>& id);

/// CollideImageAt for a solid rectangle; no handle is applied.
/// \param x, y the top left corner.
/// \param width, height the size.
/// \param collide_mask the layers to test against.
/// \param write_mask the layers to record it in.
/// \param id what later tests report for this shape.
/// \return the id of every recorded shape it overlaps, once per layer.
/// \since 1.0
std::vector<Ref<Object>> CollideRectAt(float x, float y, float width, float height, int32_t collide_mask,
                                       int32_t write_mask, const Ref<Object>& id);

/// Whether two image frames, drawn with the current transform, share a solid
/// pixel. Uses layer 31, which keeps image1's shape until the next clear.
/// \param image1 the first image.
/// \param x1, y1 where its handle lands.
/// \param frame1 its frame.
/// \param image2 the second image.
/// \param x2, y2 where its handle lands.
/// \param frame2 its frame.
/// \return 1 when they overlap, else 0 (also for a Null image).
/// \since 1.0
int32_t ImagesOverlap(const Ref<TImage>& image1, float x1, float y1, int32_t frame1, const Ref<TImage>& image2,
                      float x2, float y2, int32_t frame2);

/// ImagesOverlap with a rotation and scale for each image. The drawing layer's
/// rotation and scale are restored afterwards.
/// \param image1 the first image.
/// \param x1, y1 where its handle lands.
/// \param frame1 its frame.
/// \param rotation1 its rotation in degrees.
/// \param scale_x1, scale_y1 its scale.
/// \param image2 the second image.
/// \param x2, y2 where its handle lands.
/// \param frame2 its frame.
/// \param rotation2 its rotation in degrees.
/// \param scale_x2, scale_y2 its scale.
/// \return 1 when they overlap, else 0.
/// \throws Thrown (TNullObjectException naming ImagesOverlapTransformed)
///   without open graphics: it needs a current 2D graphics.
/// \since 1.0
int32_t ImagesOverlapTransformed(const Ref<TImage>& image1, float x1, float y1, int32_t frame1, float rotation1,
                                 float scale_x1, float scale_y1, const Ref<TImage>& image2, float x2, float y2,
                                 int32_t frame2, float rotation2, float scale_x2, float scale_y2);

}  // namespace tazmix
