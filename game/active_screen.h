// Which screen the game loop is in, for code that runs inside a frame
// without belonging to a screen (per-frame hooks of tests and the demo).
#pragma once

#include <cstdint>

namespace vindra {

enum class Screen { kNone, kTitle, kRound, kEnd };

Screen ActiveScreen();
void SetActiveScreen(Screen screen);

// Makes `screen` the active one and drops the key and mouse hits made before
// it: a click or key meant for the screen just left (a right click on the
// title, the second click of a double click) must not act on the new one.
void EnterScreen(Screen screen);

// MouseHit for the screen last entered: presses that only continue a double
// (or triple) click begun before the screen opened are not counted; the
// first press of a new run of clicks counts, and so does every press after
// it.
int32_t ScreenMouseHit(int32_t button);

}  // namespace vindra
