/// \file
/// Input made by the program itself, queued on the platform's input queue as if
/// the user had made it: it travels the same road as real input (system driver,
/// events, polled input). For programs that play themselves and for tests.
///
/// \code{.cpp}
/// tazmix::InjectMouseClick(tazmix::MOUSE_LEFT, 120, 80);  // a demo presses a button
/// tazmix::InjectKeyHit(tazmix::KEY_ENTER);
/// tazmix::PollSystem();  // now MouseHit(1) and KeyHit(KEY_ENTER) answer 1
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>

namespace tazmix {

/// Moves the pointer.
/// \param x, y the position in the coordinates of the program's window.
/// \since 1.0
void InjectMouseMove(int32_t x, int32_t y);
/// Presses or releases a mouse button.
/// \param button 1 left, 2 right, 3 middle.
/// \param down non-zero pressed, 0 released.
/// \param x, y where, in window coordinates.
/// \since 1.0
void InjectMouseButton(int32_t button, int32_t down, int32_t x, int32_t y);
/// A move to (x, y), then a press and a release of the button there.
/// \param button 1 left, 2 right, 3 middle.
/// \param x, y where, in window coordinates.
/// \since 1.0
void InjectMouseClick(int32_t button, int32_t x, int32_t y);
/// Presses or releases a key.
/// \param key a virtual-key code (keys.h); codes without a key on this
///   platform are ignored.
/// \param down non-zero pressed, 0 released.
/// \since 1.0
void InjectKey(int32_t key, int32_t down);
/// A press and a release of a key.
/// \param key a virtual-key code.
/// \since 1.0
void InjectKeyHit(int32_t key);

}  // namespace tazmix
