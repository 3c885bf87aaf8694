#include "game/game_clock.h"

#include "runtime/application.h"

namespace vindra {

namespace {

GameClockFunction game_clock = nullptr;

}  // namespace

int32_t GameMilliSecs() { return game_clock ? game_clock() : tazmix::MilliSecs(); }

void SetGameClock(GameClockFunction clock) { game_clock = clock; }

}  // namespace vindra
