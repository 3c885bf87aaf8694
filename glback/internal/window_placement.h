// Where a desktop window goes: its client area centred on the desktop, using
// the desktop's right and bottom edges as the reference.
#pragma once

#include <cstdint>

namespace tazmix {

struct WindowPosition {
  int32_t left = 0;
  int32_t top = 0;
};

inline WindowPosition CentredWindowPosition(int32_t desktop_right, int32_t desktop_bottom,
                                            int32_t width, int32_t height) noexcept {
  return {desktop_right / 2 - width / 2, desktop_bottom / 2 - height / 2};
}

}  // namespace tazmix
