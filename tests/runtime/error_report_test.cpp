#include <gtest/gtest.h>

#include <vector>

#include "runtime/error_report.h"

using namespace tazmix;

namespace {

std::vector<String> lines;
void Collect(const String& line) { lines.push_back(line); }

class ErrorReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lines.clear();
    ClearLastError();
    SetErrorEcho(false);
    previous_ = SetErrorLogHook(Collect);
  }
  void TearDown() override {
    SetErrorLogHook(previous_);
    SetErrorEcho(true);
  }
  ErrorLogHook previous_ = nullptr;
};

int Inner(bool fail) {
  FailureScope scope("LoadPixmap", QuoteText("x.png"));
  NoteFailure("can't open the file: No such file or directory");
  return scope.Check(fail ? 0 : 1, "no loader for this format");
}

}  // namespace

TEST_F(ErrorReportTest, OnlyTheOutermostFailingCallSpeaksWithTheDeepestReason) {
  {
    FailureScope outer("LoadImage", QuoteText("x.png"));
    outer.Check(Inner(true), "unused");
  }
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], String("LoadImage(\"x.png\"): can't open the file: No such file or directory"));
  EXPECT_EQ(LastErrorText(), lines[0]);
}

TEST_F(ErrorReportTest, AFailureThatTheCallerRecoversFromSaysNothing) {
  {
    FailureScope outer("LoadFont", QuoteText("a.ttf"));
    Inner(true);  // a first attempt fails, a second one does not
    outer.Check(Inner(false), "unused");
  }
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(LastErrorText(), String());
}

TEST_F(ErrorReportTest, OwnReasonStandsWhenNothingDeeperSaidWhyAndNotesOutsideScopesAreLines) {
  {
    FailureScope scope("OpenGraphics", "0 x 600");
    scope.Fail("the size must be at least 1 x 1");
  }
  NoteFailure("no display");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], String("OpenGraphics(0 x 600): the size must be at least 1 x 1"));
  EXPECT_EQ(lines[1], String("no display"));
}
