// Vindra! playing by itself: a player on the frame hook reads the current
// word's grid and clicks through real input events, mostly on the word,
// sometimes on a wrong cell, sometimes skipping it, and saves screenshots of
// the title, a round and the end screen.
//
//   vindra-demo [--rounds N] [--out DIR]
//
// N rounds (default 1), screenshots into DIR (default "screenshots", relative
// to the folder the demo was started from); prints the paths it saved.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "draw2d/draw_primitives.h"
#include "game/active_screen.h"
#include "game/game_app.h"
#include "game/game_clock.h"
#include "game/game_word.h"
#include "game/round_screen.h"
#include "game/title_screen.h"
#include "game/word_list.h"
#include "graphics/graphics.h"
#include "pixmap/pixel_format.h"
#include "pixmap/png_loader.h"
#include "runtime/application.h"
#include "stream/filesystem.h"
#include "system/hook.h"
#include "system/input_injection.h"

using namespace tazmix;
using namespace vindra;

namespace {

// Frames between two moves of the player (at 60 frames per second).
constexpr int kFramesPerMove = 8;
// The round picture is taken after this many moves, once the flash is gone.
constexpr int kMovesBeforeRoundShot = 3;
// The end picture is taken when every line is shown.
constexpr int32_t kEndShotAfterMs = 3300;

struct Player {
  int rounds_wanted = 1;
  String out_dir;
  std::vector<std::string> saved;
  std::mt19937 dice{20240601};

  int rounds_started = 0;
  int title_frames = 0;
  int round_frames = 0;
  int moves = 0;
  int32_t end_start = 0;
  bool title_shot = false;
  bool round_shot = false;
  bool end_shot = false;
  Screen last = Screen::kNone;
};

Player player;

void SaveScreen(const char* name) {
  const String path = player.out_dir + "/" + name;
  Ref<TPixmap> shot = GrabPixmap(0, 0, ScreenWidth, ScreenHeight)->Convert(FORMAT_RGB24);
  if (SavePixmapPNG(shot, path, 9)) {
    player.saved.push_back(path.ToUTF8String());
  } else {
    std::fprintf(stderr, "vindra-demo: cannot save %s\n", path.ToUTF8String().c_str());
  }
}

int Roll(int sides) { return std::uniform_int_distribution<int>(0, sides - 1)(player.dice); }

// The middle of a cell of the current word that is (or is not) part of it.
bool PickCell(bool on_word, int32_t& px, int32_t& py) {
  const auto cells = WordCells(*CurrentWord, on_word);
  if (cells.empty()) return false;
  const auto [x, y] = cells[static_cast<size_t>(Roll(static_cast<int>(cells.size())))];
  GridCellCentre(x, y, CellSize(ScreenHeight, CurrentWord->FieldArray.Dimension(0)), px, py);
  return true;
}

void OnTitle() {
  ++player.title_frames;
  // A few frames for the window to settle before anything happens.
  if (player.title_frames < 10) return;
  if (!player.title_shot) {
    SaveScreen("title.png");
    player.title_shot = true;
  }
  if (player.rounds_started >= player.rounds_wanted) {
    InjectKeyHit(27);
    return;
  }
  if (player.title_frames % 20 != 0) return;
  // The buttons in turn: easy, medium, hard.
  const int button = player.rounds_started % 3;
  InjectMouseClick(1, ButtonLeft() + 112, 237 + 100 * button);
  ++player.rounds_started;
}

void OnRound() {
  if (!CurrentWord) return;
  ++player.round_frames;
  if (!player.round_shot && player.moves >= kMovesBeforeRoundShot) {
    if (GameMilliSecs() < FlashEnd) return;  // wait for a clean picture
    SaveScreen("round.png");
    player.round_shot = true;
  }
  if (player.round_frames % kFramesPerMove != 0) return;
  ++player.moves;
  const int roll = Roll(100);
  int32_t px = 0, py = 0;
  if (roll < 12) {
    if (PickCell(false, px, py)) InjectMouseClick(1, px, py);  // a wrong cell
  } else if (roll < 20) {
    InjectMouseClick(2, ScreenWidth - 120, 400);  // skip
  } else if (PickCell(true, px, py)) {
    InjectMouseClick(1, px, py);
  }
}

void OnEnd() {
  const int32_t now = MilliSecs();
  if (player.last != Screen::kEnd) player.end_start = now;
  if (now - player.end_start < kEndShotAfterMs) return;
  if (!player.end_shot) {
    SaveScreen("end.png");
    player.end_shot = true;
  }
  InjectMouseClick(1, ScreenWidth / 2, ScreenHeight / 2);
}

Ref<Object> PlayerHook(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  const Screen screen = ActiveScreen();
  if (screen != player.last && screen == Screen::kRound) player.round_frames = 0;
  if (screen != player.last && screen == Screen::kTitle) player.title_frames = 0;
  switch (screen) {
    case Screen::kTitle: OnTitle(); break;
    case Screen::kRound: OnRound(); break;
    case Screen::kEnd: OnEnd(); break;
    case Screen::kNone: break;
  }
  player.last = screen;
  return data;
}

bool ReadArguments() {
  String out = "screenshots";
  const std::vector<String>& args = ApplicationArgs;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string arg = args[i].ToUTF8String();
    if (arg == "--rounds" && i + 1 < args.size()) {
      player.rounds_wanted = args[++i].ToInt();
    } else if (arg == "--out" && i + 1 < args.size()) {
      out = args[++i];
    } else {
      std::fprintf(stderr, "usage: vindra-demo [--rounds N] [--out DIR]\n");
      return false;
    }
  }
  // The program runs in its own folder; a relative folder means the caller's.
  if (!out.StartsWith("/")) out = StartDirectory + "/" + out;
  player.out_dir = out;
  if (FileType(out) != 2 && !CreateDir(out, true)) {
    std::fprintf(stderr, "vindra-demo: cannot make the folder %s\n", out.ToUTF8String().c_str());
    return false;
  }
  return true;
}

int DemoMain() {
  if (!ReadArguments()) return 2;
  InitGame();
  AddHook(FlipHook, PlayerHook, nullptr, 1);
  // The game with its default window, whatever the demo was given.
  RunGame({ApplicationArgs[0]});
  for (const std::string& path : player.saved) std::printf("%s\n", path.c_str());
  return player.saved.size() == 3 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, DemoMain); }
