// The title screen on a real GL context: its buttons start rounds of their
// difficulty, Escape comes back from a round and ends the title screen.
#include <gtest/gtest.h>

#include "game/title_screen.h"
#include "tests/game/game_session.h"

using namespace tazmix;
using namespace vindra;
using namespace vindra::test;

namespace {

TEST_F(GameTest, ButtonsStartRoundsOfTheirDifficulty) {
  // 14 words of 2 to 5 characters and 3 longer ones.
  Words({"Ei", "Tor", "Haus", "Baum", "Stuhl", "Tisch", "Nase", "Ohr", "Hand", "Fuss", "Auto", "Bus", "Zug",
         "Boot", "Fenster", "Garten", "Schrank"});
  int step = 0;
  int title_frames = 0;
  std::vector<int32_t> counts;  // words loaded by each round
  // Clicks, in turn, on the title screen; each one that starts a round is
  // answered with Escape in the round.
  const std::vector<std::pair<int32_t, int32_t>> clicks = {
      {512, 275},  // just below the first button: nothing
      {512, 274},  // first button: up to 10 words of at most 5 characters
      {5, 5},      // the hidden square: every word
      {300, 320},  // second button: up to 12 words of 3 to 7 characters
      {300, 474},  // third button: up to 15 words of 5 or more characters
  };
  OnFrame([&] {
    if (ActiveScreen() == Screen::kRound) {
      const int32_t size = CellSize(ScreenHeight, CurrentWord->FieldArray.Dimension(0));
      EXPECT_TRUE(AnyLit(10, 10, size, size)) << "grid";
      EXPECT_TRUE(AnyLit(ScreenWidth - 220, 20, 200, 200)) << "clock";
      counts.push_back(WordList->Count());
      InjectKeyHit(27);
      return;
    }
    ASSERT_EQ(ActiveScreen(), Screen::kTitle);
    ++title_frames;
    if (title_frames == 1) {
      EXPECT_TRUE(AnyLit(ScreenWidth / 2 - 98, 70, 196, 60)) << "title picture";
      for (int i = 0; i < 3; ++i) EXPECT_TRUE(AnyLit(ButtonLeft(), 200 + 100 * i, 225, 75)) << "button " << i;
    }
    // A few frames on the title between clicks.
    if (title_frames % 3 != 0) return;
    if (step < static_cast<int>(clicks.size())) {
      InjectMouseClick(1, clicks[step].first, clicks[step].second);
      ++step;
    } else {
      InjectKeyHit(27);
    }
  });
  RunTitleScreen();
  ExpectWithinFrameLimit();
  EXPECT_EQ(counts, (std::vector<int32_t>{10, 17, 12, 5}));
}

}  // namespace
