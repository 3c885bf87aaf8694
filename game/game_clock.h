// The clock of the game's rules: round end, flash fade, clock hands and the
// time bonus all read it. It is MilliSecs unless a stand-in is installed, so
// tests and the demo can let a 60-second round pass in a few frames.
// The frame timer and the end screen's one-second timer stay on real time.
#pragma once

#include <cstdint>

namespace vindra {

using GameClockFunction = int32_t (*)();

// Milliseconds as the game sees them: MilliSecs() or the stand-in.
int32_t GameMilliSecs();
// Installs a stand-in clock; nullptr goes back to MilliSecs.
void SetGameClock(GameClockFunction clock);

}  // namespace vindra
