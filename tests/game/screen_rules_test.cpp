// The arithmetic of the screens at the edges where it matters: cell size,
// grid and button hit ranges, the clock text and the end screen's lines.
#include <gtest/gtest.h>

#include "game/clock.h"
#include "game/end_screen.h"
#include "game/game_app.h"
#include "game/round_screen.h"
#include "game/title_screen.h"

using namespace tazmix;
using namespace vindra;

namespace {

std::string Text(const String& s) { return s.ToUTF8String(); }

TEST(CellSize, UsesTheSinglePrecisionNineTenths) {
  EXPECT_EQ(CellSize(600, 6), 89);  // 90 with an exact 0.9
  EXPECT_EQ(CellSize(600, 8), 67);
  EXPECT_EQ(CellSize(600, 5), 107);  // 108 with an exact 0.9
  EXPECT_EQ(CellSize(1000, 10), 89);
  EXPECT_EQ(CellSize(768, 8), 86);
  EXPECT_EQ(CellSize(5, 5), 0);
}

TEST(GridCellAt, MarginNeverCountsAsFirstCell) {
  int32_t cx = 0, cy = 0;
  GridCellAt(10, 10, 89, cx, cy);
  EXPECT_EQ(cx, 0);
  EXPECT_EQ(cy, 0);
  GridCellAt(98, 98, 89, cx, cy);
  EXPECT_EQ(cx, 0);
  EXPECT_EQ(cy, 0);
  GridCellAt(99, 188, 89, cx, cy);
  EXPECT_EQ(cx, 1);
  EXPECT_EQ(cy, 2);
  // (5 - 10) / 89 truncates to 0; the margin then gives -1.
  GridCellAt(5, 50, 89, cx, cy);
  EXPECT_EQ(cx, -1);
  EXPECT_EQ(cy, 0);
  GridCellAt(50, 9, 89, cx, cy);
  EXPECT_EQ(cx, 0);
  EXPECT_EQ(cy, -1);
  GridCellAt(50, 50, 0, cx, cy);
  EXPECT_EQ(cx, -1);
  EXPECT_EQ(cy, -1);
}

TEST(TitleChoiceAt, ButtonAndHiddenSquareRangesIncludeBothEnds) {
  ScreenWidth = 800;
  ASSERT_EQ(ButtonLeft(), 288);
  EXPECT_EQ(TitleChoiceAt(512, 274), TitleChoice::kEasy);
  EXPECT_EQ(TitleChoiceAt(512, 275), TitleChoice::kNone);
  EXPECT_EQ(TitleChoiceAt(288, 200), TitleChoice::kEasy);
  EXPECT_EQ(TitleChoiceAt(287, 200), TitleChoice::kNone);
  EXPECT_EQ(TitleChoiceAt(513, 250), TitleChoice::kNone);
  EXPECT_EQ(TitleChoiceAt(400, 199), TitleChoice::kNone);
  EXPECT_EQ(TitleChoiceAt(400, 300), TitleChoice::kMedium);
  EXPECT_EQ(TitleChoiceAt(400, 374), TitleChoice::kMedium);
  EXPECT_EQ(TitleChoiceAt(400, 375), TitleChoice::kNone);
  EXPECT_EQ(TitleChoiceAt(400, 400), TitleChoice::kHard);
  EXPECT_EQ(TitleChoiceAt(400, 474), TitleChoice::kHard);
  EXPECT_EQ(TitleChoiceAt(400, 475), TitleChoice::kNone);
  EXPECT_EQ(TitleChoiceAt(0, 0), TitleChoice::kAllWords);
  EXPECT_EQ(TitleChoiceAt(10, 10), TitleChoice::kAllWords);
  EXPECT_EQ(TitleChoiceAt(11, 10), TitleChoice::kNone);
  EXPECT_EQ(TitleChoiceAt(10, 11), TitleChoice::kNone);
  EXPECT_EQ(TitleChoiceAt(-1, 5), TitleChoice::kNone);

  ScreenWidth = 1024;
  EXPECT_EQ(ButtonLeft(), 400);
  EXPECT_EQ(TitleChoiceAt(400, 200), TitleChoice::kEasy);
  EXPECT_EQ(TitleChoiceAt(624, 474), TitleChoice::kHard);
  EXPECT_EQ(TitleChoiceAt(625, 474), TitleChoice::kNone);
  ScreenWidth = 801;  // odd widths halve downward
  EXPECT_EQ(ButtonLeft(), 288);
  ScreenWidth = 800;
}

TEST(ClockText, CountsDownFromOneMinute) {
  EXPECT_EQ(Text(TwoDigits(0)), "00");
  EXPECT_EQ(Text(TwoDigits(9)), "09");
  EXPECT_EQ(Text(TwoDigits(10)), "10");
  EXPECT_EQ(Text(TwoDigits(59)), "59");
  EXPECT_EQ(Text(ClockText(60000)), "01:01");
  EXPECT_EQ(Text(ClockText(59999)), "01:00");
  EXPECT_EQ(Text(ClockText(59000)), "01:00");
  EXPECT_EQ(Text(ClockText(58999)), "00:59");
  EXPECT_EQ(Text(ClockText(9000)), "00:10");
  EXPECT_EQ(Text(ClockText(8999)), "00:09");
  EXPECT_EQ(Text(ClockText(0)), "00:01");
  EXPECT_EQ(Text(ClockText(-1)), "00:00");
  EXPECT_EQ(Text(ClockText(-999)), "00:00");
  EXPECT_EQ(Text(ClockText(3599000)), "00:00");  // an hour wraps the minutes
}

TEST(CommandLine, SizeNeedsBothValuesAndRateIsThird) {
  ScreenWidth = 800, ScreenHeight = 600, RefreshRate = 60;
  ReadCommandLine({"vindra", "1024"});
  EXPECT_EQ(ScreenWidth, 800);
  EXPECT_EQ(ScreenHeight, 600);
  ReadCommandLine({"vindra", "1024", "768"});
  EXPECT_EQ(ScreenWidth, 1024);
  EXPECT_EQ(ScreenHeight, 768);
  EXPECT_EQ(RefreshRate, 60);
  ReadCommandLine({"vindra", "640", "480", "30"});
  EXPECT_EQ(ScreenWidth, 640);
  EXPECT_EQ(ScreenHeight, 480);
  EXPECT_EQ(RefreshRate, 30);
  ReadCommandLine({"vindra", "wide", "600", "fast"});
  EXPECT_EQ(ScreenWidth, 0);
  EXPECT_EQ(ScreenHeight, 600);
  EXPECT_EQ(RefreshRate, 0);
  ScreenWidth = 800, ScreenHeight = 600, RefreshRate = 60;
}

class EndScreenText : public ::testing::Test {
 protected:
  void TearDown() override {
    EndState = 0;
    SkipCount = 0;
    Score = 0;
  }
};

TEST_F(EndScreenText, HeadlineSaysWhyTheRoundEnded) {
  EndState = END_ALL_USED;
  SkipCount = 0;
  EXPECT_EQ(Text(EndHeadline()), "SPIEL ABGESCHLOSSEN - ALLE WÖRTER GEFUNDEN");
  SkipCount = 2;
  EXPECT_EQ(Text(EndHeadline()), "SPIEL ABGESCHLOSSEN - EINIGE WÖRTER ÜBERSPRUNGEN");
  EndState = END_TIME_OVER;
  EXPECT_EQ(Text(EndHeadline()), "SPIEL ZUENDE - ZEITLIMIT ÜBERSCHRITTEN");
  SkipCount = 0;
  EXPECT_EQ(Text(EndHeadline()), "SPIEL ZUENDE - ZEITLIMIT ÜBERSCHRITTEN");
}

TEST_F(EndScreenText, BonusOnlyForEveryWordFoundInTime) {
  EndState = END_ALL_USED;
  EXPECT_EQ(TimeBonus(100000, 75000), 2500);
  EXPECT_EQ(TimeBonus(100000, 75005), 2499);
  EXPECT_EQ(TimeBonus(100000, 100001), 0);
  // Across the wrap of the millisecond counter.
  EXPECT_EQ(TimeBonus(INT32_MIN + 1000, INT32_MAX - 999), 200);
  SkipCount = 1;
  EXPECT_EQ(TimeBonus(100000, 75000), 0);
  SkipCount = 0;
  EndState = END_TIME_OVER;
  EXPECT_EQ(TimeBonus(100000, 75000), 0);
}

TEST_F(EndScreenText, LinesAppearStepByStep) {
  EndState = END_ALL_USED;
  Score = -300;
  auto lines = EndScreenLines(0, 2500);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].y, 0);
  lines = EndScreenLines(1, 2500);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].y, 32);
  EXPECT_EQ(Text(lines[1].text), "PUNKTESTAND: -300");
  lines = EndScreenLines(2, 2500);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].y, 48);
  EXPECT_EQ(Text(lines[2].text), "     ZEITBONUS: +2500");
  lines = EndScreenLines(40, 2500);
  ASSERT_EQ(lines.size(), 7u);
  const int expected_y[] = {0, 32, 48, 80, 96, 128, 144};
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].y, expected_y[i]);
  EXPECT_EQ(Text(lines[3].text), std::string(31, '-'));
  EXPECT_EQ(Text(lines[4].text), "END PUNKTZAHL: 2200");
  EXPECT_EQ(Text(lines[5].text), "DRÜCKE DIE ESC TASTE ODER EINE MAUSTASTEN");
  EXPECT_EQ(Text(lines[6].text), "UM INS MENÜ ZURÜCKZUKEHREN");
  Score = -3000;
  EXPECT_EQ(Text(EndScreenLines(3, 0)[4].text), "END PUNKTZAHL: -3000");
}

}  // namespace
