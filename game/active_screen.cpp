#include "game/active_screen.h"

#include "system/polled_input.h"

namespace vindra {

namespace {

Screen active = Screen::None;

}  // namespace

Screen ActiveScreen() { return active; }

void SetActiveScreen(Screen screen) { active = screen; }

void EnterScreen(Screen screen) {
  tazmix::FlushKeys();
  tazmix::FlushMouse();
  active = screen;
}

}  // namespace vindra
