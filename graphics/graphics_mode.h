// A display mode a graphics driver can switch to.
#pragma once

#include <cstdint>

#include "../runtime/object.h"
#include "../runtime/string.h"

namespace tazmix {

class TGraphicsMode : public Object {
 public:
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;  // bits per pixel
  int32_t hertz = 0;  // refresh rate

  // "800,600,32 60Hz"
  String ToString() const override;
};

}  // namespace tazmix
