/// \file
/// A drawable frame: the pixels of one image frame in a form the current 2D
/// driver can draw (a texture in the GL back end). Drivers make frames with
/// TVex2DDriver::CreateFrameFromPixmap and derive their own frame class.
///
/// \code{.cpp}
/// class TMyFrame : public tazmix::TImageFrame {  // in a back end of one's own
///  public:
///   void Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx, float sy, float sw,
///             float sh) override { ... }
/// };
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

#include "../runtime/object.h"

namespace tazmix {

/// An image frame in the driver's form.
/// \since 1.0
class TImageFrame : public Object {
 public:
  /// Draws the source rectangle onto the local rectangle (x0, y0)-(x1, y1),
  /// transformed with the driver's current 2x2 matrix and translated by
  /// (tx, ty), with the driver's current colour, alpha and blend mode.
  /// Abstract: raises TNullMethodException here.
  /// \param x0, y0, x1, y1 the local rectangle.
  /// \param tx, ty the translation.
  /// \param sx, sy, sw, sh the source rectangle, in pixels of the frame.
  /// \since 1.0
  virtual void Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx, float sy,
                    float sw, float sh);
};

}  // namespace tazmix
