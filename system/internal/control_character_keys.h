// Keys that type a control character: Backspace, Tab, Enter and Escape. The
// platforms' text input leaves them out, so each platform types them with
// the key itself.
#pragma once

#include <cstdint>

#include "system/keys.h"

namespace tazmix {

inline bool TypesControlCharacter(int32_t key) {
  return key == KEY_BACKSPACE || key == KEY_TAB || key == KEY_ENTER || key == KEY_ESCAPE;
}

}  // namespace tazmix
