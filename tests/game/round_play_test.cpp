// Whole rounds on a real GL context, played through injected input: scoring,
// flashes, the three ways a round ends, the end screen's pace, Escape, and a
// long session's timers.
#include <gtest/gtest.h>

#include "game/end_screen.h"
#include "runtime/application.h"
#include "system/timer.h"
#include "tests/game/game_session.h"

using namespace tazmix;
using namespace vindra;
using namespace vindra::test;

namespace {

std::string Text(const String& s) { return s.ToUTF8String(); }

const std::vector<std::string> kThreeWords = {"Haus", "Baum", "Ei"};

TEST_F(GameTest, ClicksScoreAndFlash) {
  Words(kThreeWords);
  int step = 0;
  Ref<TGameWord> first, found;
  int32_t value = 0;
  int32_t left = 0;
  OnFrame([&] {
    if (ActiveScreen() == Screen::kEnd) {
      if (step == 6) {
        EXPECT_EQ(EndState, END_ALL_USED);
        EXPECT_EQ(Text(EndHeadline()), "SPIEL ABGESCHLOSSEN - EINIGE WÖRTER ÜBERSPRUNGEN");
        EXPECT_EQ(EndBonus, 0);
        step = 7;
      }
      InjectMouseClick(1, 400, 300);
      return;
    }
    ASSERT_EQ(ActiveScreen(), Screen::kRound);
    const int32_t size = CellSize(ScreenHeight, CurrentWord->FieldArray.Dimension(0));
    switch (step) {
      case 0:
        // The grid's first cell and the clock face are on the screen.
        EXPECT_TRUE(AnyLit(10, 10, size, size));
        EXPECT_TRUE(AnyLit(ScreenWidth - 220, 20, 200, 200));
        EXPECT_TRUE(AnyLit(ScreenWidth - 160, 240, 80, 20));  // the time text
        first = CurrentWord;
        value = first->Difficulty;
        // Left of the grid: never column 0.
        InjectMouseClick(1, 5, 10 + size / 2);
        step = 1;
        break;
      case 1:
        EXPECT_EQ(Score, 0);
        EXPECT_EQ(FlashMode, FLASH_SKIP);
        EXPECT_EQ(CurrentWord, first);
        ClickCell(1, WordCell(CurrentWord, false));
        step = 2;
        break;
      case 2: {
        EXPECT_EQ(Score, -100);
        EXPECT_EQ(FlashMode, FLASH_MISS);
        EXPECT_EQ(CurrentWord, first);
        const uint32_t p = PixelAt(kFreeX, kFreeY);
        EXPECT_GE(Red(p), 250);
        EXPECT_LE(Green(p), 5);
        EXPECT_LE(Blue(p), 5);
        fake_now += 800;
        step = 3;
        break;
      }
      case 3:
        EXPECT_EQ(PixelAt(kFreeX, kFreeY) & 0xFFFFFF, 0u) << "the flash has faded";
        left = WordList->Count();
        ClickCell(1, WordCell(CurrentWord));
        step = 4;
        break;
      case 4: {
        EXPECT_EQ(Score, -100 + value);
        EXPECT_EQ(FlashMode, FLASH_HIT);
        EXPECT_NE(CurrentWord, first);
        EXPECT_EQ(WordList->Count(), left - 1);
        const uint32_t p = PixelAt(kFreeX, kFreeY);
        EXPECT_LE(Red(p), 5);
        EXPECT_GE(Green(p), 250);
        EXPECT_LE(Blue(p), 5);
        fake_now += 800;
        InjectMouseClick(2, kFreeX, kFreeY);
        step = 5;
        break;
      }
      case 5: {
        EXPECT_EQ(SkipCount, 1);
        EXPECT_EQ(FlashMode, FLASH_SKIP);
        EXPECT_EQ(Score, -100 + value) << "a skip costs nothing";
        EXPECT_EQ(WordList->Count(), 1);
        const uint32_t p = PixelAt(kFreeX, kFreeY);
        EXPECT_GE(Red(p), 250);
        EXPECT_GE(Green(p), 250);
        EXPECT_GE(Blue(p), 250);
        fake_now += 800;
        found = CurrentWord;
        ClickCell(1, WordCell(CurrentWord));
        step = 6;
        break;
      }
      default:
        ADD_FAILURE() << "still in the round at step " << step;
        InjectKeyHit(27);
    }
  });
  PlayRound(0, 5, 10);
  ExpectWithinFrameLimit();
  EXPECT_EQ(step, 7);
  EXPECT_EQ(Score, -100 + value + found->Difficulty);
}

// Plays a round that finds every word; `before_last` runs just before the
// last word is clicked. Returns the headline of the end screen.
std::string FindEveryWord(const std::function<void()>& before_last = {}) {
  std::string headline;
  OnFrame([&] {
    if (ActiveScreen() == Screen::kEnd) {
      headline = Text(EndHeadline());
      InjectMouseClick(1, 400, 300);
    } else if (CurrentWord) {
      if (WordList->Count() == 1 && before_last) before_last();
      ClickCell(1, WordCell(CurrentWord));
    }
  });
  PlayRound(0, 5, 10);
  return headline;
}

TEST_F(GameTest, EveryWordFoundWithTimeLeftEarnsBonus) {
  Words({"Haus", "Baum", "Ei", "Tor", "B52"});
  int32_t sum = 0;
  const std::string headline = FindEveryWord([&] {
    if (fake_now != EndTime - 25000) {
      // Each word's value is added when it is found.
      sum = Score + CurrentWord->Difficulty;
      fake_now = EndTime - 25000;
    }
  });
  ExpectWithinFrameLimit();
  EXPECT_EQ(headline, "SPIEL ABGESCHLOSSEN - ALLE WÖRTER GEFUNDEN");
  EXPECT_EQ(EndState, END_ALL_USED);
  EXPECT_EQ(SkipCount, 0);
  EXPECT_EQ(EndBonus, 2500);
  EXPECT_EQ(Score, sum);
  EXPECT_EQ(Score, 800 + 800 + 400 + 600 + 900);
}

TEST_F(GameTest, SkippingTheLastWordGivesNoBonus) {
  Words(kThreeWords);
  std::string headline;
  OnFrame([&] {
    if (ActiveScreen() == Screen::kEnd) {
      headline = Text(EndHeadline());
      InjectMouseClick(2, 400, 300);  // the right button leaves as well
    } else if (WordList->Count() > 1) {
      ClickCell(1, WordCell(CurrentWord));
    } else {
      InjectMouseClick(2, kFreeX, kFreeY);
    }
  });
  PlayRound(0, 5, 10);
  ExpectWithinFrameLimit();
  EXPECT_EQ(headline, "SPIEL ABGESCHLOSSEN - EINIGE WÖRTER ÜBERSPRUNGEN");
  EXPECT_EQ(EndState, END_ALL_USED);
  EXPECT_EQ(SkipCount, 1);
  EXPECT_EQ(EndBonus, 0);
}

TEST_F(GameTest, TimeOverEndsTheRound) {
  Words(kThreeWords);
  int round_frames = 0;
  std::string headline;
  OnFrame([&] {
    if (ActiveScreen() == Screen::kEnd) {
      headline = Text(EndHeadline());
      InjectKeyHit(27);
      return;
    }
    ++round_frames;
    if (round_frames == 1) fake_now = EndTime;  // the last moment of the round
    if (round_frames == 2) fake_now = EndTime + 1;
  });
  PlayRound(0, 5, 10);
  ExpectWithinFrameLimit();
  EXPECT_EQ(round_frames, 2);
  EXPECT_EQ(headline, "SPIEL ZUENDE - ZEITLIMIT ÜBERSCHRITTEN");
  EXPECT_EQ(EndState, END_TIME_OVER);
  EXPECT_EQ(EndBonus, 0);
  EXPECT_EQ(Score, 0);
}

TEST_F(GameTest, EndScreenRevealsOneStepPerSecond) {
  Words({"Ei"});
  struct Seen {
    int32_t ms;
    bool score, bonus, total;
  };
  std::vector<Seen> seen;
  int32_t start = 0;
  script_state.limit = 20000;
  OnFrame([&] {
    if (ActiveScreen() != Screen::kEnd) {
      ClickCell(1, WordCell(CurrentWord));
      return;
    }
    if (seen.empty()) start = MilliSecs();
    const int32_t ms = MilliSecs() - start;
    seen.push_back({ms, AnyLit(0, 35, 300, 10), AnyLit(0, 51, 300, 10), AnyLit(0, 99, 300, 10)});
    if ((ms > 3600 && seen.back().total) || ms > 8000) InjectMouseClick(1, 400, 300);
  });
  PlayRound(0, 5, 10);
  ExpectWithinFrameLimit();
  ASSERT_FALSE(seen.empty());
  EXPECT_FALSE(seen.front().score || seen.front().bonus || seen.front().total);
  EXPECT_TRUE(seen.back().score && seen.back().bonus && seen.back().total);
  // Each step appears once, after the one before, roughly a second apart.
  auto first = [&](bool Seen::*line) {
    for (const Seen& s : seen) {
      if (s.*line) return s.ms;
    }
    return -1;
  };
  for (size_t i = 1; i < seen.size(); ++i) {
    EXPECT_GE(seen[i].score, seen[i - 1].score);
    EXPECT_GE(seen[i].bonus, seen[i - 1].bonus);
    EXPECT_GE(seen[i].total, seen[i - 1].total);
    EXPECT_GE(seen[i].score, seen[i].bonus);
    EXPECT_GE(seen[i].bonus, seen[i].total);
  }
  // Generous bounds: a busy machine stretches frames, not seconds.
  EXPECT_GE(first(&Seen::score), 700);
  EXPECT_LE(first(&Seen::score), 2500);
  EXPECT_GE(first(&Seen::bonus) - first(&Seen::score), 400);
  EXPECT_GE(first(&Seen::total) - first(&Seen::bonus), 400);
  EXPECT_LE(first(&Seen::total), 5000);
}

TEST_F(GameTest, EscapeLeavesRoundWithoutEndScreen) {
  Words(kThreeWords);
  bool end_seen = false;
  int round_frames = 0;
  OnFrame([&] {
    if (ActiveScreen() == Screen::kEnd) end_seen = true;
    if (++round_frames == 3) InjectKeyHit(27);
  });
  PlayRound(0, 5, 10);
  ExpectWithinFrameLimit();
  EXPECT_FALSE(end_seen);
  EXPECT_EQ(round_frames, 3);
  EXPECT_EQ(EndState, 0);
  EXPECT_NE(CurrentWord, nullptr);
}

TEST_F(GameTest, ThirtyRoundsInARowKeepTheirTimers) {
  Words(kThreeWords);
  int ended = 0;
  int revealed_at_once = 0;
  bool first_end_frame = true;
  OnFrame([&] {
    if (ActiveScreen() == Screen::kEnd) {
      if (first_end_frame && AnyLit(0, 35, 300, 10)) ++revealed_at_once;
      first_end_frame = false;
      InjectMouseClick(1, 400, 300);
    } else {
      first_end_frame = true;
      InjectMouseClick(2, kFreeX, kFreeY);
    }
  });
  for (int round = 0; round < 30; ++round) {
    PlayRound(0, 5, 10);
    if (EndState == END_ALL_USED) ++ended;
  }
  ExpectWithinFrameLimit();
  EXPECT_EQ(ended, 30);
  // Every end screen had a timer of its own and began with the headline only.
  EXPECT_EQ(revealed_at_once, 0);
  std::vector<Ref<TTimer>> timers;
  for (int i = 0; i < 10; ++i) timers.push_back(CreateTimer(1));
  for (const Ref<TTimer>& timer : timers) {
    EXPECT_NE(timer, nullptr) << "the finished end screens hold timer slots";
    if (timer) StopTimer(timer);
  }
}

}  // namespace
