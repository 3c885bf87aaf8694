/// \file
/// Polled input: keyboard and mouse state that a game loop can ask for at any
/// moment, fed by the events of the system driver while it is enabled.
///
/// The graphics core enables it when a graphics context opens
/// (EnablePolledInput(nullptr): events from every source count) and disables it
/// when the context closes (DisablePolledInput()). Every query except the
/// enable, disable and wait functions polls the system first, so a loop that
/// only asks these functions still sees fresh input. Out-of-range keys and
/// buttons answer 0.
///
/// \code{.cpp}
/// while (!tazmix::AppTerminate() && !tazmix::KeyHit(tazmix::KEY_ESCAPE)) {
///   if (tazmix::KeyDown(tazmix::KEY_RIGHT)) x += 4;
///   if (tazmix::MouseHit(tazmix::MOUSE_LEFT)) Shoot(tazmix::MouseX(), tazmix::MouseY());
///   while (int32_t c = tazmix::GetChar()) name += tazmix::String(std::u16string(1, char16_t(c)));
///   ...
///   tazmix::Flip();
/// }
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

/// Starts the module once (and the system module it needs). \since 1.0
void InitPolledInput();

/// Starts listening; nothing if already enabled.
/// \param source the filter: only events from this source count (Null: every
///   source counts). Keys and mouse are flushed.
/// \since 1.0
void EnablePolledInput(const Ref<Object>& source = nullptr);
/// Stops listening, flushes keys and mouse, clears the filter. \since 1.0
void DisablePolledInput();

/// \return 1 while the program's window is without the focus (after
///   EVENT_APPSUSPEND, until EVENT_APPRESUME), else 0. \since 1.0
int32_t AppSuspended();
/// Whether the user asked the program to end (closed its window, or SIGTERM
/// with close_signal.h).
/// \return 1 once per termination request: the flag is cleared by the call.
/// \since 1.0
int32_t AppTerminate();

/// Collects the presses of a key.
/// \param key a key code 1..255 (keys.h).
/// \return the presses not yet collected; the count is then reset.
/// \since 1.0
int32_t KeyHit(int32_t key);
/// \param key a key code 1..255.
/// \return 1 while the key is held, else 0. \since 1.0
int32_t KeyDown(int32_t key);
/// Takes the oldest typed character from the queue (256 deep).
/// \return its UTF-16 unit; 0 when none is waiting.
/// \since 1.0
int32_t GetChar();
/// Throws away waiting input, then clears the character queue, key states and
/// key hits. \since 1.0
void FlushKeys();

/// Collects the clicks of a mouse button.
/// \param button 1 left, 2 right, 3 middle.
/// \return the presses not yet collected; the count is then reset.
/// \since 1.0
int32_t MouseHit(int32_t button);
/// \param button 1 left, 2 right, 3 middle.
/// \return 1 while the button is held, else 0. \since 1.0
int32_t MouseDown(int32_t button);
/// Where the latest press of a button stands in a run of quick presses at
/// about one spot (TEvent::clicks). A screen that opens on a click can tell
/// by it that a press is the rest of that click and not meant for the new
/// screen.
/// \param button 1 left, 2 right, 3 middle.
/// \return 1 a press of its own, 2 the second of a double click, and so on;
///   0 before the first press and after FlushMouse.
/// \since 1.1
int32_t MouseClicks(int32_t button);
/// \return the pointer's x in window pixels (see VirtualMouseX for a virtual
///   resolution). \since 1.0
int32_t MouseX();
/// \return the pointer's y in window pixels. \since 1.0
int32_t MouseY();
/// \return the accumulated wheel position. \since 1.0
int32_t MouseZ();
/// \return the change of MouseX since the previous call of this function. \since 1.0
int32_t MouseXSpeed();
/// \return the change of MouseY since the previous call of this function. \since 1.0
int32_t MouseYSpeed();
/// \return the change of MouseZ since the previous call of this function. \since 1.0
int32_t MouseZSpeed();
/// Throws away waiting input, then clears button states and hits and the wheel
/// position; x and y stay. \since 1.0
void FlushMouse();

/// Flushes the keys, then waits until a key is hit.
/// \return its key code; 0 at once without open graphics (polled input off),
///   with the line `WaitKey(): no graphics are open, so no input can arrive; 0 was returned`.
/// \since 1.0
int32_t WaitKey();
/// Flushes the keys, then waits until a character is typed.
/// \return its UTF-16 unit; 0 at once without open graphics, with a line as WaitKey's.
/// \since 1.0
int32_t WaitChar();
/// Flushes the mouse, then waits until a button is clicked.
/// \return the button (1, 2 or 3); 0 at once without open graphics, with a
///   line as WaitKey's.
/// \since 1.0
int32_t WaitMouse();

}  // namespace tazmix
