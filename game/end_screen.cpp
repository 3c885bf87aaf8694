#include "game/end_screen.h"

#include <algorithm>

#include "draw2d/draw_primitives.h"
#include "draw2d/draw_state.h"
#include "draw2d/draw_text.h"
#include "game/active_screen.h"
#include "game/game_clock.h"
#include "game/round_screen.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "system/polled_input.h"
#include "system/timer.h"

using namespace tazmix;

namespace vindra {

int32_t EndBonus = 0;

String EndHeadline() {
  if (EndState == END_ALL_USED && SkipCount != 0) return u"SPIEL ABGESCHLOSSEN - EINIGE WÖRTER ÜBERSPRUNGEN";
  if (EndState == END_ALL_USED) return u"SPIEL ABGESCHLOSSEN - ALLE WÖRTER GEFUNDEN";
  return u"SPIEL ZUENDE - ZEITLIMIT ÜBERSCHRITTEN";
}

int32_t TimeBonus(int32_t end_time, int32_t now) {
  const int32_t rest = std::max(end_time - now, 0) / 10;
  return (EndState == END_ALL_USED && SkipCount == 0) ? rest : 0;
}

std::vector<EndScreenLine> EndScreenLines(int32_t seconds, int32_t bonus) {
  std::vector<EndScreenLine> lines{{0, EndHeadline()}};
  if (seconds > 0) lines.push_back({32, "PUNKTESTAND: " + String::FromInt(Score)});
  if (seconds > 1) lines.push_back({48, "     ZEITBONUS: +" + String::FromInt(bonus)});
  if (seconds > 2) {
    lines.push_back({80, "-------------------------------"});
    lines.push_back({96, "END PUNKTZAHL: " + String::FromInt(Score + bonus)});
    lines.push_back({128, u"DRÜCKE DIE ESC TASTE ODER EINE MAUSTASTEN"});
    lines.push_back({144, u"UM INS MENÜ ZURÜCKZUKEHREN"});
  }
  return lines;
}

void ShowEndScreen(int32_t end_time) {
  const Ref<TTimer> seconds = CreateTimer(1);
  const int32_t bonus = TimeBonus(end_time, GameMilliSecs());
  EndBonus = bonus;
  SetColor(255, 255, 255);
  // A second click on the last word's cell must not close the screen unseen.
  EnterScreen(Screen::kEnd);
  for (;;) {
    SetActiveScreen(Screen::kEnd);
    Cls();
    // Without a timer (the platform refused one) everything shows at once.
    const int32_t n = seconds ? TimerTicks(seconds) : 3;
    for (const EndScreenLine& line : EndScreenLines(n, bonus)) {
      DrawText(line.text, 0, static_cast<float>(line.y));
    }
    // Every button press is taken, so none is left over for the title screen.
    const bool escape = KeyHit(27) != 0;
    const bool left = ScreenMouseHit(1) != 0;
    const bool right = ScreenMouseHit(2) != 0;
    if (escape || left || right) {
      // A finished screen's timer would otherwise hold one of the few
      // timer slots for the rest of the program.
      if (seconds) StopTimer(seconds);
      return;
    }
    if (AppTerminate()) EndApplication();
    Flip(0);
  }
}

}  // namespace vindra
