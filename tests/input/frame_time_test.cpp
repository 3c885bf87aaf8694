// Frame time through Flip on the stand-in clock: the span from one Flip to
// the next, whichever way the frame was paced, clamped against long pauses.
#include <gtest/gtest.h>

#include "graphics/internal/frame_clock.h"
#include "tests/graphics/graphics_fixture.h"

namespace tazmix::test {
namespace {

using FrameTimeTest = GraphicsModule;

TEST_F(FrameTimeTest, FollowsTheClockFromFlipToFlip) {
  Open(800, 600, 0, 0);
  EXPECT_EQ(FrameTime(), 0.0);
  Flip(0);
  EXPECT_EQ(FrameTime(), 0.0);  // one Flip measures nothing yet

  struct Step {
    int32_t work_ms;  // time spent before the Flip
    int32_t sync;
    double expected;
  } steps[] = {
      {16, 0, 0.016},
      {33, 1, 0.033},
      {0, 0, 0.0},
      {5000, 0, FRAME_TIME_LIMIT},  // a pause does not become one huge step
      {17, 0, 0.017},
  };
  for (const Step& s : steps) {
    FakeClock::now += s.work_ms;
    Flip(s.sync);
    EXPECT_NEAR(FrameTime(), s.expected, 1e-9) << s.work_ms << " ms";
  }

  // A new main graphics starts measuring afresh.
  Open(800, 600, 0, 0);
  FakeClock::now += 40;
  Flip(0);
  EXPECT_EQ(FrameTime(), 0.0);
}

TEST_F(FrameTimeTest, PacedFramesCountTheirSleep) {
  Open(800, 600, 0, 50);  // soft sync: 20 ms per frame
  Flip(-1);
  FakeClock::now += 5;  // 5 ms of work, 15 ms of sleep
  Flip(-1);
  EXPECT_NEAR(FrameTime(), 0.020, 1e-9);
}

double fine_seconds = 0;
double FineSeconds() { return fine_seconds; }

TEST_F(FrameTimeTest, AFinerClockIsReadWhenThereIsOne) {
  SetGraphicsClock({FakeClock::MilliSecs, FakeClock::Delay, FineSeconds});
  Open(800, 600, 0, 0);
  fine_seconds = 100.0;
  Flip(0);
  fine_seconds = 100.0125;
  Flip(0);
  EXPECT_NEAR(FrameTime(), 0.0125, 1e-9);
  fine_seconds = 99.0;  // a clock that went back measures nothing
  Flip(0);
  EXPECT_EQ(FrameTime(), 0.0);
}

}  // namespace
}  // namespace tazmix::test
