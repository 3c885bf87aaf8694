#include "game/active_screen.h"

namespace vindra {

namespace {

Screen active = Screen::None;

}  // namespace

Screen ActiveScreen() { return active; }

void SetActiveScreen(Screen screen) { active = screen; }

}  // namespace vindra
