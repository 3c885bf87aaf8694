// Polled input: keyboard and mouse state that a game loop can ask for at any
// moment, fed by the events of the system driver while it is enabled.
//
// The graphics core enables it when a graphics context opens
// (EnablePolledInput(nullptr): events from every source count) and disables it
// when the context closes (DisablePolledInput()). Every query except the
// enable, disable and wait functions polls the system first, so a loop that
// only asks these functions still sees fresh input.
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

// Starts the module once (and the system module it needs).
void InitPolledInput();

// Stores `source` as the filter (Null: every source counts), flushes keys and
// mouse and starts listening; nothing if already enabled.
void EnablePolledInput(const Ref<Object>& source = nullptr);
// Stops listening, flushes keys and mouse, clears the filter.
void DisablePolledInput();

int32_t AppSuspended();
// True once per termination request: the flag is cleared by the call.
int32_t AppTerminate();

// Presses of `key` (1..255) not yet collected; the count is then reset.
int32_t KeyHit(int32_t key);
// 1 while `key` is held.
int32_t KeyDown(int32_t key);
// The oldest typed character, removed from the queue; 0 when none is waiting.
int32_t GetChar();
// Throws away waiting input, then clears the character queue, key states and
// key hits.
void FlushKeys();

// Buttons: 1 left, 2 right, 3 middle.
int32_t MouseHit(int32_t button);
int32_t MouseDown(int32_t button);
// Where the latest press of `button` stands in a run of quick presses at
// about one spot: 1 a press of its own, 2 the second of a double click, and
// so on (TEvent.clicks). 0 before the first press and after FlushMouse. A
// screen that opens on a click can tell by it that a press is the rest of
// that click and not meant for the new screen.
int32_t MouseClicks(int32_t button);
int32_t MouseX();
int32_t MouseY();
// The accumulated wheel position.
int32_t MouseZ();
// The change since the previous call of the same function.
int32_t MouseXSpeed();
int32_t MouseYSpeed();
int32_t MouseZSpeed();
// Throws away waiting input, then clears button states and hits and the wheel
// position; x and y stay.
void FlushMouse();

// Block until a key is hit / a character is typed / a button is clicked.
// Without open graphics (polled input off) nothing can arrive: they answer
// 0 at once and record a line ("WaitKey(): no graphics are open, ...").
int32_t WaitKey();
int32_t WaitChar();
int32_t WaitMouse();

}  // namespace tazmix
