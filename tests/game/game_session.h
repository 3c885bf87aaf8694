// The game on a real GL context inside a test process, driven by a script
// that runs once per frame (on FlipHook, before the frame timer's wait) and
// plays through injected input, on a game clock the test controls.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "draw2d/draw_primitives.h"
#include "game/active_screen.h"
#include "game/game_app.h"
#include "game/game_clock.h"
#include "game/game_word.h"
#include "game/round_screen.h"
#include "game/word_list.h"
#include "graphics/graphics.h"
#include "runtime/random.h"
#include "stream/filesystem.h"
#include "system/hook.h"
#include "system/input_injection.h"
#include "tests/support/temp_dir.h"

namespace vindra::test {

using tazmix::Ref;
using tazmix::String;

inline int32_t fake_now = 100000;
inline int32_t FakeClock() { return fake_now; }

struct ScriptState {
  std::function<void()> script;
  int32_t frames = 0;
  int32_t limit = 0;
  bool limit_hit = false;
};
inline ScriptState script_state;

// Runs the test's script once per frame. Past the frame limit it only hits
// Escape, which leaves every screen, and the test fails.
inline Ref<tazmix::Object> ScriptHook(int32_t, const Ref<tazmix::Object>& data, const Ref<tazmix::Object>&) {
  ScriptState& s = script_state;
  ++s.frames;
  if (s.limit && s.frames > s.limit) {
    s.limit_hit = true;
    tazmix::InjectKeyHit(27);
  } else if (s.script) {
    s.script();
  }
  return data;
}

// The script, for every frame from now on.
inline void OnFrame(std::function<void()> script) { script_state.script = std::move(script); }

// Starts the game once per process, from the folder of its resources, with a
// fast frame timer and the test's clock.
inline void StartGameOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  ASSERT_EQ(chdir(TAZMIX_BIN_DIR), 0);
  StartGame({"vindra-test", "800", "600", "250"});
  SetGameClock(FakeClock);
  tazmix::AddHook(tazmix::FlipHook, ScriptHook, nullptr, 1);
}

inline std::string WordFile(const std::vector<std::string>& latin1_words) {
  std::string bytes;
  for (const std::string& w : latin1_words) {
    const auto n = static_cast<uint32_t>(w.size());
    bytes += {char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
    bytes += w;
  }
  return bytes;
}

struct Cell {
  int32_t x = -1;
  int32_t y = -1;
};

// A cell of the word (the first one) or a cell that is not part of it.
inline Cell WordCell(const Ref<TGameWord>& word, bool part_of_word = true) {
  const auto cells = WordCells(*word, part_of_word);
  return cells.empty() ? Cell{} : Cell{cells[0].first, cells[0].second};
}

// The pixel at the middle of a cell of the current word's grid.
inline void CellCentre(Cell cell, int32_t& px, int32_t& py) {
  GridCellCentre(cell.x, cell.y, CellSize(ScreenHeight, CurrentWord->FieldArray.Dimension(0)), px, py);
}

inline void ClickCell(int32_t button, Cell cell) {
  int32_t px = 0, py = 0;
  CellCentre(cell, px, py);
  tazmix::InjectMouseClick(button, px, py);
}

// Packed ARGB of a pixel of the frame being finished.
inline uint32_t PixelAt(int32_t x, int32_t y) {
  return static_cast<uint32_t>(tazmix::GrabPixmap(x, y, 1, 1)->ReadPixel(0, 0));
}
inline int32_t Red(uint32_t argb) { return (argb >> 16) & 255; }
inline int32_t Green(uint32_t argb) { return (argb >> 8) & 255; }
inline int32_t Blue(uint32_t argb) { return argb & 255; }

// True when some pixel in the rectangle is not black.
inline bool AnyLit(int32_t x, int32_t y, int32_t w, int32_t h) {
  Ref<tazmix::TPixmap> p = tazmix::GrabPixmap(x, y, w, h);
  for (int32_t j = 0; j < h; ++j) {
    for (int32_t i = 0; i < w; ++i) {
      if (p->ReadPixel(i, j) & 0xFFFFFF) return true;
    }
  }
  return false;
}

// A free spot of the round screen at 800 x 600: right of the grid, below
// the clock, above the status lines.
constexpr int32_t kFreeX = 690;
constexpr int32_t kFreeY = 400;

// Each test plays in a fresh folder holding its own word file; resources
// stay loaded from the program's folder.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartGameOnce();
    fake_now = 100000;
    script_state = {};
    script_state.limit = 5000;
    tazmix::SeedRandom(20240601);
    ASSERT_EQ(chdir(folder_.Path().c_str()), 0);
  }
  void TearDown() override {
    script_state = {};
    EXPECT_EQ(chdir(TAZMIX_BIN_DIR), 0);
  }

  void Words(const std::vector<std::string>& latin1_words) { folder_.Write("Language.txt", WordFile(latin1_words)); }

  void ExpectWithinFrameLimit() { EXPECT_FALSE(script_state.limit_hit) << "the script did not finish"; }

  tazmix::testing::TempDir folder_;
};

}  // namespace vindra::test
