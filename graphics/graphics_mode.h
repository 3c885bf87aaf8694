/// \file
/// A display mode a graphics driver can switch to, as GraphicsModes
/// (graphics.h) lists them.
///
/// \code{.cpp}
/// for (const auto& mode : tazmix::GraphicsModes()) std::puts(mode->ToString().ToUTF8String().c_str());
/// if (tazmix::GraphicsModeExists(1024, 768, 32, 0)) tazmix::OpenGraphics(1024, 768, 32, 60, 0);
/// \endcode
/// \ingroup graphics
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

/// One display mode: size, depth and refresh rate; all 0 when made with New.
/// \since 1.0
class TGraphicsMode : public Object {
 public:
  int32_t width = 0;   ///< Horizontal resolution in pixels. \since 1.0
  int32_t height = 0;  ///< Vertical resolution in pixels. \since 1.0
  int32_t depth = 0;   ///< Bits per pixel. \since 1.0
  int32_t hertz = 0;   ///< Refresh rate in Hz. \since 1.0

  /// The mode as text.
  /// \return e.g. "800,600,32 60Hz".
  /// \since 1.0
  String ToString() const override;
};

}  // namespace tazmix
