// The round's clock: a face, three hands and the remaining time as mm:ss.
#pragma once

#include <cstdint>

#include "runtime/string.h"

namespace vindra {

// n in decimal, with a leading "0" when n <= 9.
tazmix::String TwoDigits(int32_t n);

// The time text for `remaining` milliseconds: a second is added first, so a
// full minute reads "01:01" for its first instant and "01:00" after it.
tazmix::String ClockText(int32_t remaining);

// Draws the face at (ScreenWidth - 220, 20), the hands about
// (ScreenWidth - 120, 120) and the text centred below at y 240. The hands
// turn once per minute, once per second and twice per second of remaining
// time.
void DrawClock(int32_t remaining);

}  // namespace vindra
