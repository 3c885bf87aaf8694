/// \file
/// Gamepads in the standard layout (a face-button diamond, two sticks, two
/// shoulders, two triggers, a d-pad, back, guide and start), plugged in and
/// out while the program runs.
///
/// Opt-in: nothing about pads starts until a program calls one of these
/// functions (or InitGamepads). From then on every pad's buttons and sticks
/// arrive as events (EVENT_PADDOWN ... in system/event.h, the pad's index in
/// `x`) and are kept for the queries below, in the keyboard's style. Every
/// query polls the system first. A pad keeps its index from connect to
/// disconnect; a new pad takes the lowest free index. While the program has
/// windows but none of them has the focus, presses and stick moves are not
/// reported (releases are), so a player's input in another program does not
/// reach this one.
///
/// Without pads, and for pad indices, buttons and axes out of range, every
/// query answers "nothing": 0, 0.0 or "".
///
/// \code{.cpp}
/// if (tazmix::PadConnected(0)) {
///   x += tazmix::PadAxis(0, tazmix::PAD_AXIS_LEFT_X) * speed;
///   if (tazmix::PadHit(0, tazmix::PAD_BUTTON_A)) Jump();
/// }
/// \endcode
/// \ingroup system
/// \since 1.1
#pragma once

#include <cstdint>

#include "../runtime/string.h"

namespace tazmix {

/// Pads that can be connected at once; indices are 0 .. MAX_PADS - 1. \since 1.1
constexpr int32_t MAX_PADS = 8;

constexpr int32_t PAD_BUTTON_A = 0;  ///< The bottom face button. \since 1.1
constexpr int32_t PAD_BUTTON_B = 1;  ///< The right face button. \since 1.1
constexpr int32_t PAD_BUTTON_X = 2;  ///< The left face button. \since 1.1
constexpr int32_t PAD_BUTTON_Y = 3;  ///< The top face button. \since 1.1
constexpr int32_t PAD_BUTTON_BACK = 4;  ///< Back (select). \since 1.1
constexpr int32_t PAD_BUTTON_GUIDE = 5;  ///< The guide (home) button. \since 1.1
constexpr int32_t PAD_BUTTON_START = 6;  ///< Start. \since 1.1
constexpr int32_t PAD_BUTTON_LEFT_STICK = 7;  ///< The left stick pressed in. \since 1.1
constexpr int32_t PAD_BUTTON_RIGHT_STICK = 8;  ///< The right stick pressed in. \since 1.1
constexpr int32_t PAD_BUTTON_LEFT_SHOULDER = 9;  ///< The left shoulder button. \since 1.1
constexpr int32_t PAD_BUTTON_RIGHT_SHOULDER = 10;  ///< The right shoulder button. \since 1.1
constexpr int32_t PAD_BUTTON_DPAD_UP = 11;  ///< D-pad up. \since 1.1
constexpr int32_t PAD_BUTTON_DPAD_DOWN = 12;  ///< D-pad down. \since 1.1
constexpr int32_t PAD_BUTTON_DPAD_LEFT = 13;  ///< D-pad left. \since 1.1
constexpr int32_t PAD_BUTTON_DPAD_RIGHT = 14;  ///< D-pad right. \since 1.1
constexpr int32_t PAD_BUTTON_COUNT = 15;  ///< The number of buttons; codes are 0 .. 14. \since 1.1

// Sticks go -1 (left, up) to 1 (right, down); triggers 0 (released) to 1.
constexpr int32_t PAD_AXIS_LEFT_X = 0;  ///< Left stick, -1 left .. 1 right. \since 1.1
constexpr int32_t PAD_AXIS_LEFT_Y = 1;  ///< Left stick, -1 up .. 1 down. \since 1.1
constexpr int32_t PAD_AXIS_RIGHT_X = 2;  ///< Right stick, -1 left .. 1 right. \since 1.1
constexpr int32_t PAD_AXIS_RIGHT_Y = 3;  ///< Right stick, -1 up .. 1 down. \since 1.1
constexpr int32_t PAD_AXIS_LEFT_TRIGGER = 4;  ///< Left trigger, 0 released .. 1. \since 1.1
constexpr int32_t PAD_AXIS_RIGHT_TRIGGER = 5;  ///< Right trigger, 0 released .. 1. \since 1.1
constexpr int32_t PAD_AXIS_COUNT = 6;  ///< The number of axes; codes are 0 .. 5. \since 1.1

/// Starts the pad module once: the system module, the platform's pad support
/// (pads already plugged in arrive as connect events at the next poll), and
/// the listener that keeps the state below. Every query calls it. \since 1.1
void InitGamepads();

/// \return how many pads are connected. \since 1.1
int32_t CountPads();
/// \param pad the pad's index.
/// \return 1 while pad `pad` is connected, else 0.
/// \since 1.1
int32_t PadConnected(int32_t pad);
/// \param pad the pad's index.
/// \return the pad's name as the platform gives it; "" when not connected.
/// \since 1.1
String PadName(int32_t pad);

/// \param pad the pad's index.
/// \param button a PAD_BUTTON_ code.
/// \return 1 while the button is held, else 0.
/// \since 1.1
int32_t PadDown(int32_t pad, int32_t button);
/// Presses of a button not yet collected; the count is then reset.
/// \param pad the pad's index.
/// \param button a PAD_BUTTON_ code.
/// \return the presses since the last PadHit or FlushPads for that button.
/// \since 1.1
int32_t PadHit(int32_t pad, int32_t button);
/// An axis's position. Within the dead zone it is 0; beyond it the rest of
/// the range is spread over 0..1 again, so the value grows smoothly from the
/// edge of the zone.
/// \param pad the pad's index.
/// \param axis a PAD_AXIS_ code.
/// \return -1 to 1 for sticks, 0 to 1 for triggers.
/// \since 1.1
float PadAxis(int32_t pad, int32_t axis);

/// Sets the part of every axis's range, around its rest position, that
/// counts as 0.
/// \param zone clamped to 0..0.95; 0.25 at start.
/// \since 1.1
void SetPadDeadZone(float zone);
/// \return the dead zone. \since 1.1
float PadDeadZone();

/// Throws away waiting input, then clears every pad's hit counts. \since 1.1
void FlushPads();

/// Shakes the pad. A later call replaces the one before.
/// \param pad the pad's index.
/// \param low the slow, heavy motor, 0 (still) to 1 (full; beyond is taken
///   as the nearest end).
/// \param high the fast, light motor, likewise.
/// \param milliseconds how long; 0 or less stops it.
/// \return 1 when the pad took it; 0 with a line such as
///   `PadRumble(2): no pad is connected at this index` or
///   `PadRumble(0): this pad has no rumble motors`.
/// \since 1.1
int32_t PadRumble(int32_t pad, float low, float high, int32_t milliseconds);

}  // namespace tazmix
