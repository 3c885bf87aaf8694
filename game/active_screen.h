// Which screen the game loop is in, for code that runs inside a frame
// without belonging to a screen (per-frame hooks of tests and the demo).
#pragma once

namespace vindra {

enum class Screen { None, Title, Round, End };

Screen ActiveScreen();
void SetActiveScreen(Screen screen);

}  // namespace vindra
