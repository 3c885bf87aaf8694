/// \file
/// Initialisation of the 2D drawing layer.
///
/// \code{.cpp}
/// tazmix::InitDraw2D();  // InitTazmix does this, with the GL back end
/// \endcode
/// \ingroup draw2d
/// \since 1.0
#pragma once

namespace tazmix {

/// Runs once: initialises polled input, the graphics core, images and image
/// fonts, then registers the layer's classes.
/// \since 1.0
void InitDraw2D();

}  // namespace tazmix
