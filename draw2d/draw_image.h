/// \file
/// Drawing images into the current 2D graphics context. The image's own
/// handle is applied (the context's handle is not), then the origin and the
/// matrix; colour, alpha and blend mode come from the drawing state. An image
/// without a frame at that index (no driver, or the driver could not make
/// one) draws nothing, and so does a Null image: without open graphics these
/// functions draw nothing rather than raise.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::TImage> ship = tazmix::LoadImage("ship.png");
/// tazmix::MidHandleImage(ship);
/// tazmix::TileImage(background, scroll_x, 0);
/// tazmix::SetRotation(angle);
/// tazmix::DrawImage(ship, 320, 240);
/// tazmix::DrawImageRect(ship, 10, 10, 32, 32);  // a small copy
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include <cstdint>

#include "image.h"

namespace tazmix {

/// Draws an image frame with its handle at (x, y).
/// \param image the image, or Null.
/// \param x, y the position.
/// \param frame the frame index.
/// \since 1.0
void DrawImage(const Ref<TImage>& image, float x, float y, int32_t frame = 0);
/// Draws the whole image frame stretched to width x height.
/// \param image the image, or Null.
/// \param x, y the position.
/// \param width, height the size drawn.
/// \param frame the frame index.
/// \since 1.0
void DrawImageRect(const Ref<TImage>& image, float x, float y, float width, float height, int32_t frame = 0);
/// Draws part of an image frame: the source rectangle (sx, sy, sw, sh)
/// stretched to width x height.
/// \param image the image, or Null.
/// \param x, y the position.
/// \param width, height the size drawn.
/// \param sx, sy, sw, sh the source rectangle, in frame pixels.
/// \param hx, hy the handle, in source pixels.
/// \param frame the frame index.
/// \since 1.0
void DrawSubImageRect(const Ref<TImage>& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, float hx = 0, float hy = 0, int32_t frame = 0);
/// Fills the viewport with untransformed copies of the frame, one of them at
/// (x, y), as far as the viewport lies in the drawing area. Nothing is drawn
/// for a position that is not a finite number, an empty image, or a tiling of
/// more than 4,194,304 copies.
/// \param image the image, or Null.
/// \param x, y where one copy's handle lands.
/// \param frame the frame index.
/// \since 1.0
void TileImage(const Ref<TImage>& image, float x = 0, float y = 0, int32_t frame = 0);

}  // namespace tazmix
