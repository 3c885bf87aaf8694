#include "game/title_screen.h"

#include "draw2d/draw_image.h"
#include "draw2d/draw_primitives.h"
#include "game/active_screen.h"
#include "game/game_app.h"
#include "game/game_word.h"
#include "game/round_screen.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "system/polled_input.h"

using namespace tazmix;

namespace vindra {

int32_t ButtonLeft() { return ScreenWidth / 2 - 112; }

TitleChoice TitleChoiceAt(int32_t mx, int32_t my) {
  const int32_t left = ButtonLeft();
  const bool over_buttons = InRange(mx, left, left + 224) != 0;
  if (over_buttons && InRange(my, 200, 274)) return TitleChoice::kEasy;
  if (over_buttons && InRange(my, 300, 374)) return TitleChoice::kMedium;
  if (over_buttons && InRange(my, 400, 474)) return TitleChoice::kHard;
  if (InRange(mx, 0, 10) && InRange(my, 0, 10)) return TitleChoice::kAllWords;
  return TitleChoice::kNone;
}

void PlayChoice(TitleChoice choice) {
  switch (choice) {
    case TitleChoice::kEasy: PlayRound(0, 5, 10); break;
    case TitleChoice::kMedium: PlayRound(3, 7, 12); break;
    case TitleChoice::kHard: PlayRound(5, -1, 15); break;
    case TitleChoice::kAllWords: PlayRound(0, -1, -1); break;
    case TitleChoice::kNone: break;
  }
}

void RunTitleScreen() {
  EnterScreen(Screen::kTitle);
  for (;;) {
    SetActiveScreen(Screen::kTitle);
    Cls();
    const int32_t left = ButtonLeft();
    DrawImage(TitleImage, static_cast<float>(ScreenWidth / 2 - 98), 70);
    for (int32_t i = 0; i < 3; ++i) {
      DrawImage(ButtonImages[i], static_cast<float>(left), static_cast<float>(200 + 100 * i));
    }
    if (ScreenMouseHit(1)) {
      const int32_t mx = MouseX();
      const int32_t my = MouseY();
      const TitleChoice choice = TitleChoiceAt(mx, my);
      if (choice != TitleChoice::kNone) {
        PlayChoice(choice);
        EnterScreen(Screen::kTitle);
      }
    }
    if (KeyHit(27)) return;
    if (AppTerminate()) EndApplication();
    Flip(0);
  }
}

}  // namespace vindra
