// Gamepads in the standard layout (a face-button diamond, two sticks, two
// shoulders, two triggers, a d-pad, back, guide and start), plugged in and
// out while the program runs.
//
// Opt-in: nothing about pads starts until a program calls one of these
// functions (or InitGamepads). From then on every pad's buttons and sticks
// arrive as events (EVENT_PADDOWN ... in system/event.h, the pad's index in
// `x`) and are kept for the queries below, in the keyboard's style. Every
// query polls the system first. A pad keeps its index from connect to
// disconnect; a new pad takes the lowest free index. While the program has
// windows but none of them has the focus, presses and stick moves are not
// reported (releases are), so a player's input in another program does not
// reach this one.
//
// Without pads, and for pad indices, buttons and axes out of range, every
// query answers "nothing": 0, 0.0 or "".
#pragma once

#include <cstdint>

#include "../runtime/string.h"

namespace tazmix {

// Pads that can be connected at once; indices are 0 .. MAX_PADS - 1.
constexpr int32_t MAX_PADS = 8;

constexpr int32_t PAD_BUTTON_A = 0;  // bottom face button
constexpr int32_t PAD_BUTTON_B = 1;  // right
constexpr int32_t PAD_BUTTON_X = 2;  // left
constexpr int32_t PAD_BUTTON_Y = 3;  // top
constexpr int32_t PAD_BUTTON_BACK = 4;
constexpr int32_t PAD_BUTTON_GUIDE = 5;
constexpr int32_t PAD_BUTTON_START = 6;
constexpr int32_t PAD_BUTTON_LEFT_STICK = 7;  // the stick pressed in
constexpr int32_t PAD_BUTTON_RIGHT_STICK = 8;
constexpr int32_t PAD_BUTTON_LEFT_SHOULDER = 9;
constexpr int32_t PAD_BUTTON_RIGHT_SHOULDER = 10;
constexpr int32_t PAD_BUTTON_DPAD_UP = 11;
constexpr int32_t PAD_BUTTON_DPAD_DOWN = 12;
constexpr int32_t PAD_BUTTON_DPAD_LEFT = 13;
constexpr int32_t PAD_BUTTON_DPAD_RIGHT = 14;
constexpr int32_t PAD_BUTTON_COUNT = 15;

// Sticks go -1 (left, up) to 1 (right, down); triggers 0 (released) to 1.
constexpr int32_t PAD_AXIS_LEFT_X = 0;
constexpr int32_t PAD_AXIS_LEFT_Y = 1;
constexpr int32_t PAD_AXIS_RIGHT_X = 2;
constexpr int32_t PAD_AXIS_RIGHT_Y = 3;
constexpr int32_t PAD_AXIS_LEFT_TRIGGER = 4;
constexpr int32_t PAD_AXIS_RIGHT_TRIGGER = 5;
constexpr int32_t PAD_AXIS_COUNT = 6;

// Starts the pad module once: the system module, the platform's pad support
// (pads already plugged in arrive as connect events at the next poll), and
// the listener that keeps the state below.
void InitGamepads();

// How many pads are connected.
int32_t CountPads();
// 1 while pad `pad` is connected.
int32_t PadConnected(int32_t pad);
// The pad's name as the platform gives it; "" when not connected.
String PadName(int32_t pad);

// 1 while `button` of `pad` is held.
int32_t PadDown(int32_t pad, int32_t button);
// Presses of `button` not yet collected; the count is then reset.
int32_t PadHit(int32_t pad, int32_t button);
// The axis position from -1 to 1 (triggers 0 to 1). Within the dead zone it
// is 0; beyond it the rest of the range is spread over 0..1 again, so the
// value grows smoothly from the edge of the zone.
float PadAxis(int32_t pad, int32_t axis);

// The part of every axis's range, around its rest position, that counts as
// 0; clamped to 0..0.95, 0.25 at start.
void SetPadDeadZone(float zone);
float PadDeadZone();

// Throws away waiting input, then clears every pad's hit counts.
void FlushPads();

// Shakes the pad: `low` drives the slow, heavy motor and `high` the fast,
// light one, each from 0 (still) to 1 (full; values beyond are taken as the
// nearest end), for `milliseconds` (0 or less stops it). A later call
// replaces the one before. 1 when the pad took it; 0 for an index with no
// pad and for a pad without motors, with the reason recorded
// (runtime/error_report.h).
int32_t PadRumble(int32_t pad, float low, float high, int32_t milliseconds);

}  // namespace tazmix
