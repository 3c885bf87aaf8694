// Vindra! as the page test drives it: the game itself, and after every
// frame what it shows written where the test's script reads it
// (window.vindraProbe): the screen, the score, the words left, the last
// flash, and the middle of a cell of the word and of a cell off it, which the
// test clicks with the browser's own mouse.
#include <emscripten.h>

#include "game/active_screen.h"
#include "game/game_app.h"
#include "game/game_word.h"
#include "game/round_screen.h"
#include "game/word_list.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "runtime/list.h"
#include "system/hook.h"

using namespace tazmix;
using namespace vindra;

namespace {

// The middle of the first cell that is (or is not) part of the current word.
void CellOf(bool on_word, int32_t& x, int32_t& y) {
  x = y = -1;
  if (!CurrentWord) return;
  const auto cells = WordCells(*CurrentWord, on_word);
  if (cells.empty()) return;
  GridCellCentre(cells[0].first, cells[0].second, CellSize(ScreenHeight, CurrentWord->FieldArray.Dimension(0)), x,
                 y);
}

EM_JS(void, PublishFrame, (int screen, int score, int words, int flash, int hit_x, int hit_y, int miss_x, int miss_y), {
  var frames = window.vindraProbe ? window.vindraProbe.frames + 1 : 1;
  window.vindraProbe = {screen: ['none', 'title', 'round', 'end'][screen], frames: frames, score: score,
                        words: words, flash: ['skip', 'miss', 'hit'][flash], hit: [hit_x, hit_y], miss: [miss_x, miss_y]};
});

Ref<Object> Publish(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  int32_t hit_x = 0, hit_y = 0, miss_x = 0, miss_y = 0;
  CellOf(true, hit_x, hit_y);
  CellOf(false, miss_x, miss_y);
  const bool round = ActiveScreen() == Screen::kRound;
  PublishFrame(static_cast<int>(ActiveScreen()), Score, round && WordList ? WordList->Count() : -1, FlashMode, hit_x,
               hit_y, miss_x, miss_y);
  return data;
}

int ProbeMain() {
  InitGame();
  AddHook(FlipHook, Publish, nullptr, 0);
  return GameMain();
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, ProbeMain); }
