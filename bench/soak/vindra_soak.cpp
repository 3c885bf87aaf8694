// Soak: many rounds of Vindra! in one process, played by a bot on the frame
// hook through injected input, on a game clock that jumps ahead so no round
// waits for real time. After rounds 1, 10, 100, 1000 (and the last one) it
// prints the process's peak and current resident memory, how many objects
// are alive and how many timers run. A leak shows as figures that keep
// growing after the first rounds.
//
//   soak_vindra [--rounds N] [--size W H]   (defaults 1000, 800 600;
//               SDL_VIDEODRIVER=offscreen runs it without a display)
//
// The rounds end in every way the game knows: all words found, some
// skipped, the clock run out, Escape; and the title's four choices take
// turns, the hidden all-words round among them.
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "game/active_screen.h"
#include "game/game_app.h"
#include "game/game_clock.h"
#include "game/game_word.h"
#include "game/round_screen.h"
#include "game/title_screen.h"
#include "game/word_list.h"
#include "graphics/graphics.h"
#include "runtime/application.h"
#include "runtime/object.h"
#include "runtime/random.h"
#include "system/hook.h"
#include "system/input_injection.h"
#include "system/timer.h"

using namespace tazmix;
using namespace vindra;

namespace {

// Game time that passes per frame: a 60-second round times out in 30 frames.
constexpr int32_t kMillisPerFrame = 2000;

enum class Ending { kAllFound, kSomeSkipped, kTimeOut, kEscape };

struct Bot {
  int rounds_wanted = 1000;
  int rounds_done = 0;
  int32_t now = 100000;
  std::mt19937 dice{20240601};
  Ending ending = Ending::kAllFound;
  Screen last = Screen::kNone;
  int frames_on_screen = 0;
  std::vector<int> report_at = {1, 10, 100, 1000};
};

Bot bot;

int32_t BotClock() { return bot.now; }

// "VmHWM" (peak) or "VmRSS" (now) of /proc/self/status, in KiB.
long StatusKiB(const char* key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::strlen(key) + 1);
  }
  return -1;
}

void Report() {
  // The heap's bytes in use tell a leak (they grow) from memory that was
  // freed but not given back to the system (only the resident size grows).
  const struct mallinfo2 heap = mallinfo2();
  std::printf("SOAK rounds=%d peak_rss_kib=%ld rss_kib=%ld heap_in_use_kib=%zu live_objects=%lld running_timers=%d\n",
              bot.rounds_done, StatusKiB("VmHWM"), StatusKiB("VmRSS"), (heap.uordblks + heap.hblkhd) / 1024,
              static_cast<long long>(Object::LiveObjects()), RunningTimers());
  std::fflush(stdout);
}

// A click on the middle of a cell of the current word's grid that is (or
// is not) part of the word.
void ClickCell(bool on_word) {
  const auto cells = WordCells(*CurrentWord, on_word);
  if (cells.empty()) return;
  const auto [x, y] = cells[std::uniform_int_distribution<size_t>(0, cells.size() - 1)(bot.dice)];
  int32_t px = 0, py = 0;
  GridCellCentre(x, y, CellSize(ScreenHeight, CurrentWord->FieldArray.Dimension(0)), px, py);
  InjectMouseClick(1, px, py);
}

void OnTitle() {
  if (bot.frames_on_screen < 2) return;
  if (bot.rounds_done >= bot.rounds_wanted) {
    InjectKeyHit(27);
    return;
  }
  bot.ending = static_cast<Ending>(bot.rounds_done % 4);
  // The three buttons and, every seventh round, the hidden corner (all words).
  const int choice = bot.rounds_done % 7 == 6 ? 3 : bot.rounds_done % 3;
  if (choice == 3) {
    InjectMouseClick(1, 5, 5);
  } else {
    InjectMouseClick(1, ButtonLeft() + 112, 237 + 100 * choice);
  }
}

void OnRound() {
  if (!CurrentWord) return;
  switch (bot.ending) {
    case Ending::kAllFound:
      if (std::uniform_int_distribution<int>(0, 9)(bot.dice) == 0) ClickCell(false);  // a miss now and then
      else ClickCell(true);
      break;
    case Ending::kSomeSkipped:
      if (bot.frames_on_screen % 3 == 0) InjectMouseClick(2, ScreenWidth - 120, 400);
      else ClickCell(true);
      break;
    case Ending::kTimeOut:
      if (bot.frames_on_screen % 10 == 5) ClickCell(true);
      break;
    case Ending::kEscape:
      if (bot.frames_on_screen == 6) InjectKeyHit(27);
      else if (bot.frames_on_screen < 6) ClickCell(true);
      break;
  }
}

Ref<Object> BotHook(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  bot.now += kMillisPerFrame;
  const Screen screen = ActiveScreen();
  if (screen != bot.last) {
    // Back on the title screen: a round is over, however it ended.
    if (screen == Screen::kTitle && bot.last != Screen::kNone) {
      ++bot.rounds_done;
      for (int at : bot.report_at) {
        if (bot.rounds_done == at) Report();
      }
    }
    bot.frames_on_screen = 0;
    bot.last = screen;
  }
  ++bot.frames_on_screen;
  switch (screen) {
    case Screen::kTitle: OnTitle(); break;
    case Screen::kRound: OnRound(); break;
    case Screen::kEnd:
      if (bot.frames_on_screen == 2) InjectMouseClick(1, ScreenWidth / 2, ScreenHeight / 2);
      break;
    case Screen::kNone: break;
  }
  return data;
}

int SoakMain() {
  const std::vector<String>& args = ApplicationArgs;
  String width = "800", height = "600";
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == String("--rounds") && i + 1 < args.size()) {
      bot.rounds_wanted = args[++i].ToInt();
    } else if (args[i] == String("--size") && i + 2 < args.size()) {
      width = args[++i];
      height = args[++i];
    } else {
      std::fprintf(stderr, "usage: soak_vindra [--rounds N] [--size W H]\n");
      return 2;
    }
  }
  if (bot.rounds_wanted < 1) bot.rounds_wanted = 1;
  if (std::find(bot.report_at.begin(), bot.report_at.end(), bot.rounds_wanted) == bot.report_at.end()) {
    bot.report_at.push_back(bot.rounds_wanted);
  }
  // The game's pictures, fonts and words are in its own folder.
  if (chdir(TAZMIX_BIN_DIR) != 0) {
    std::perror(TAZMIX_BIN_DIR);
    return 1;
  }
  // A fast frame timer; the game clock is the bot's.
  StartGame({"soak_vindra", width, height, "1000"});
  SeedRandom(20240601);
  SetGameClock(BotClock);
  AddHook(FlipHook, BotHook, nullptr, 1);
  RunTitleScreen();
  if (bot.rounds_done != bot.rounds_wanted) {
    std::fprintf(stderr, "soak_vindra: %d of %d rounds played\n", bot.rounds_done, bot.rounds_wanted);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, SoakMain); }
