// The end of a round: the headline at once, then score, time bonus and the
// total with the way back, one step per second.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/string.h"

namespace vindra {

// The time bonus of the end screen on show (or shown last).
extern int32_t EndBonus;

struct EndScreenLine {
  int32_t y;
  tazmix::String text;
};

// Why the round ended, from EndState and SkipCount.
tazmix::String EndHeadline();

// A hundredth of the milliseconds left before `end_time` (0 once it passed),
// when every word was found without a skip; else 0.
int32_t TimeBonus(int32_t end_time, int32_t now);

// The lines the end screen shows `seconds` whole seconds after it began.
std::vector<EndScreenLine> EndScreenLines(int32_t seconds, int32_t bonus);

// Runs the end screen until Escape or a mouse button made on it; its
// one-second timer is stopped when it returns.
void ShowEndScreen(int32_t end_time);

}  // namespace vindra
