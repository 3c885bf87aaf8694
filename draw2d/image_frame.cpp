#include "draw2d/image_frame.h"

#include "runtime/exception.h"

namespace tazmix {

void TImageFrame::Draw(float, float, float, float, float, float, float, float, float, float) {
  ThrowNullMethod();
}

}  // namespace tazmix
