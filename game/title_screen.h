// The title screen: the logo, three difficulty buttons and a hidden button in
// the top-left corner. Escape ends the game.
#pragma once

#include <cstdint>

namespace vindra {

// What a left click at (mx, my) on the title screen chooses.
enum class TitleChoice { kNone, kEasy, kMedium, kHard, kAllWords };

// Left edge of the 225-pixel-wide buttons: ScreenWidth / 2 - 112.
int32_t ButtonLeft();

// Button i (0..2) spans x ButtonLeft() .. +224 and y 200 + 100 i .. +74; the
// hidden button is the square 0..10 x 0..10. All ends included.
TitleChoice TitleChoiceAt(int32_t mx, int32_t my);

// Starts the round the choice stands for; nothing for None.
void PlayChoice(TitleChoice choice);

// The title screen loop; returns when Escape is hit. Input made on a round
// or end screen is dropped on coming back. A close request ends the program.
void RunTitleScreen();

}  // namespace vindra
