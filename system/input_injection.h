// Input made by the program itself, queued on the platform's input queue as if
// the user had made it: it travels the same road as real input (system driver,
// events, polled input). For programs that play themselves and for tests.
#pragma once

#include <cstdint>

namespace tazmix {

// The pointer moves to (x, y) in the coordinates of the program's window.
void InjectMouseMove(int32_t x, int32_t y);
// Button 1 left, 2 right, 3 middle; pressed (down != 0) or released at (x, y).
void InjectMouseButton(int32_t button, int32_t down, int32_t x, int32_t y);
// A move to (x, y), then a press and a release of the button there.
void InjectMouseClick(int32_t button, int32_t x, int32_t y);
// A key by its virtual-key code, pressed or released; codes without a key on
// this platform are ignored.
void InjectKey(int32_t key, int32_t down);
// A press and a release of the key.
void InjectKeyHit(int32_t key);

}  // namespace tazmix
