// Keys of the page's keyboard events in the virtual-key numbering the rest
// of the system uses, the same numbers the SDL platform gives.
#pragma once

#include <cstdint>

namespace tazmix {

// The virtual-key code of a key given by its event's `code` (the key's place,
// "KeyA", "ShiftLeft", "Numpad1") and `key` (what it types with this layout
// and these modifiers): letters and digits by what the layout prints on the
// key, everything else by its place, punctuation as on a US keyboard, the
// keypad's digits as navigation keys when they do not type digits. 0 for a
// key without a code.
int32_t VirtualKeyFromWeb(const char* code, const char* key);

// The `code` of a key whose translation is `virtual_key` (the key of a US
// layout), or nullptr; for input the program makes itself.
const char* WebCodeOfVirtualKey(int32_t virtual_key);

}  // namespace tazmix
