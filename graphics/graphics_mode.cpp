#include "graphics/graphics_mode.h"

namespace tazmix {

String TGraphicsMode::ToString() const {
  return String::FromInt(width) + "," + String::FromInt(height) + "," + String::FromInt(depth) +
         " " + String::FromInt(hertz) + "Hz";
}

}  // namespace tazmix
