/// \file
/// The bracket around raw GL drawing: pixel coordinates with (0, 0) at the
/// top-left corner of the viewport, on any current GL context, without the 2D
/// drawing layer.
///
/// EnterRaw2D saves the caller's texturing, enables, transform state, clear
/// colour, blend function and alpha test, and both matrices; LeaveRaw2D puts
/// all of it back, so raw drawing can sit between calls of the GL 2D driver
/// and its caches (blend mode, bound texture, texturing) stay true; the
/// driver sends its current colour again after a bracket. Brackets nest.
///
/// \code{.cpp}
/// tazmix::EnterRaw2D();
/// glColor3ub(255, 0, 0);
/// tazmix::GLRawRect(10, 10, 100, 20);
/// tazmix::GLRawText("raw GL", 12, 12);
/// tazmix::LeaveRaw2D();
/// \endcode
/// \ingroup glback
/// \since 1.0
#pragma once

namespace tazmix {

/// Opens the bracket: model-view identity, projection orthographic over the
/// viewport (y grows downward); face culling, alpha test and depth test off.
/// Blending, the scissor test and the current colour stay as the caller set
/// them. Needs a current GL context. \since 1.0
void EnterRaw2D();

/// Undoes the matching EnterRaw2D; without one it does nothing. \since 1.0
void LeaveRaw2D();

}  // namespace tazmix
