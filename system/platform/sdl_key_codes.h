// SDL keys in the Windows virtual-key numbering that the rest of the system
// uses for key codes.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace tazmix {

// The virtual-key code of a key: letters and digits by the keyboard layout
// (the key's keycode), everything else by its position (scancode), the
// modifier keys told apart left and right (160-165). 0 for a key without
// a code; callers drop codes outside 1..255.
int32_t VirtualKeyFromSDL(SDL_Scancode scancode, SDL_Keycode keycode, Uint16 mod);

// True for the Shift, Control, Alt and logo keys, whose press or release
// recomputes the modifier state.
bool IsModifierScancode(SDL_Scancode scancode);

}  // namespace tazmix
