#include "game/active_screen.h"

#include <array>

#include "system/polled_input.h"

namespace vindra {

namespace {

struct ScreenState {
  Screen active = Screen::kNone;
  // Per button (1 left, 2 right, 3 middle): the run of clicks that was
  // going on when the screen opened has not been broken yet.
  std::array<bool, 4> earlier_run{};
};

ScreenState state;

}  // namespace

Screen ActiveScreen() { return state.active; }

void SetActiveScreen(Screen screen) { state.active = screen; }

void EnterScreen(Screen screen) {
  tazmix::FlushKeys();
  tazmix::FlushMouse();
  state.earlier_run.fill(true);
  state.active = screen;
}

int32_t ScreenMouseHit(int32_t button) {
  const int32_t hits = tazmix::MouseHit(button);
  if (hits == 0 || button < 0 || button >= static_cast<int32_t>(state.earlier_run.size())) return hits;
  bool& earlier = state.earlier_run[static_cast<size_t>(button)];
  // A press that starts a run of its own ends the earlier one for good.
  if (tazmix::MouseClicks(button) <= 1) earlier = false;
  return earlier ? 0 : hits;
}

}  // namespace vindra
