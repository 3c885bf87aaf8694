// Input belongs to the screen it was made on: clicks and keys made on the
// title do not act on the round, nor those of a round's last frame on the
// end screen, nor those of the end screen on the title.
#include <gtest/gtest.h>

#include "game/title_screen.h"
#include "tests/game/game_session.h"

using namespace tazmix;
using namespace vindra;
using namespace vindra::test;

namespace {

// The middle of the first difficulty button at 800 x 600.
constexpr int32_t kButtonX = 400;
constexpr int32_t kButtonY = 237;

TEST_F(GameTest, TitleClicksDoNotReachTheRound) {
  Words({"Haus", "Baum", "Ei"});
  int title_frames = 0;
  int rounds = 0;
  OnFrame([&] {
    if (ActiveScreen() == Screen::kRound) {
      if (rounds++ == 0) {
        // The round's first frame has read its buttons: nothing skipped or missed.
        EXPECT_EQ(WordList->Count(), 3);
        EXPECT_EQ(SkipCount, 0);
        EXPECT_EQ(Score, 0);
        EXPECT_EQ(FlashEnd, 1.0f) << "no flash";
      }
      InjectKeyHit(27);
      return;
    }
    if (++title_frames == 2) {
      for (int i = 0; i < 3; ++i) InjectMouseClick(2, kButtonX, kButtonY);
      InjectMouseClick(1, kButtonX, kButtonY);
      InjectMouseClick(1, kButtonX, kButtonY);  // a double click
    } else if (title_frames == 4) {
      InjectKeyHit(27);
    }
  });
  RunTitleScreen();
  ExpectWithinFrameLimit();
  EXPECT_EQ(rounds, 1);
  EXPECT_EQ(title_frames, 4) << "the round's Escape stayed in the round";
}

TEST_F(GameTest, EndScreenInputStaysOnItsScreen) {
  Words({"Ei"});
  int end_frames = 0;
  int rounds = 0;
  int title_frames_after = 0;
  OnFrame([&] {
    switch (ActiveScreen()) {
      case Screen::kTitle:
        if (rounds == 0) {
          InjectMouseClick(1, kButtonX, kButtonY);
        } else if (++title_frames_after == 4) {
          InjectKeyHit(27);
        }
        break;
      case Screen::kRound:
        ++rounds;
        // Found with Escape in the same moment: the end screen still shows.
        ClickCell(1, WordCell(CurrentWord));
        InjectKeyHit(27);
        break;
      case Screen::kEnd:
        // Left with Escape and a click on a button: no new round follows.
        if (++end_frames == 2) {
          InjectKeyHit(27);
          InjectMouseClick(1, kButtonX, kButtonY);
        }
        break;
      case Screen::kNone: break;
    }
  });
  RunTitleScreen();
  ExpectWithinFrameLimit();
  EXPECT_EQ(end_frames, 2);
  EXPECT_EQ(rounds, 1);
  EXPECT_EQ(title_frames_after, 4);
}

}  // namespace
