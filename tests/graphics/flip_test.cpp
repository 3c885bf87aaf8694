// Flip: the hook that runs first, and the pacing of Flip(-1) on the stand-in
// clock.
#include "system/hook.h"
#include "tests/graphics/graphics_fixture.h"

namespace tazmix::test {
namespace {

using FlipPacing = GraphicsModule;

// Runs `frames` frames that each take `work` ms before flipping with -1;
// returns the clock time of every flip.
std::vector<int32_t> RunFrames(StandInDriver& driver, int32_t frames, int32_t work) {
  std::vector<int32_t> at;
  for (int32_t i = 0; i < frames; ++i) {
    FakeClock::now += work;
    Flip(-1);
    at.push_back(driver.flips.back().at);
  }
  return at;
}

TEST_F(FlipPacing, SoftSyncSpacesFramesSixteenOrSeventeenMillisecondsApart) {
  Open(800, 600, 0, 60);
  const std::vector<int32_t> at = RunFrames(*driver, 60, 5);
  int32_t previous = 1000;
  for (const int32_t t : at) {
    EXPECT_TRUE(t - previous == 16 || t - previous == 17) << t - previous;
    previous = t;
  }
  // Sixty frames at 60 Hz take exactly one second.
  EXPECT_EQ(at.back(), 2000);
  for (const FlipCall& f : driver->flips) EXPECT_EQ(f.sync, 0);
  // Each frame slept for what its 5 ms of work left of the period.
  EXPECT_EQ(FakeClock::delays.front(), 11);
}

TEST_F(FlipPacing, ALateFrameIsShownAtOnceAndTheScheduleRestarts) {
  Open(800, 600, 0, 60);
  RunFrames(*driver, 3, 5);  // due at 1016, 1033, 1050
  EXPECT_EQ(driver->flips.back().at, 1050);
  const size_t sleeps = FakeClock::delays.size();

  FakeClock::now += 40;  // a slow frame: done at 1090, due at 1066
  Flip(-1);
  EXPECT_EQ(driver->flips.back().at, 1090);
  EXPECT_EQ(FakeClock::delays.size(), sleeps);  // no sleep at all

  // The lost time is not made up: the next frame is one period after it.
  const std::vector<int32_t> next = RunFrames(*driver, 1, 5);
  EXPECT_TRUE(next[0] == 1090 + 16 || next[0] == 1090 + 17) << next[0];
}

TEST_F(FlipPacing, AFrameExactlyOnTimeDoesNotSleep) {
  Open(800, 600, 0, 50);  // 20 ms, no remainder
  FakeClock::now += 20;
  Flip(-1);
  EXPECT_TRUE(FakeClock::delays.empty());
  EXPECT_EQ(RunFrames(*driver, 1, 1)[0], 1040);
}

TEST_F(FlipPacing, TheScheduleCarriesOnAcrossTheClockWrap) {
  FakeClock::now = INT32_MAX - 30;
  Open(800, 600, 0, 60);
  int32_t previous = FakeClock::now;
  for (const int32_t t : RunFrames(*driver, 6, 2)) {
    const int32_t gap = t - previous;  // Int arithmetic wraps
    EXPECT_TRUE(gap == 16 || gap == 17) << gap;
    previous = t;
  }
}

TEST_F(FlipPacing, FullScreenSyncsWithTheDisplay) {
  Open(800, 600, 32, 60);
  Flip(-1);
  ASSERT_EQ(driver->flips.size(), 1u);
  EXPECT_EQ(driver->flips[0].sync, 1);
  EXPECT_TRUE(FakeClock::delays.empty());
}

TEST_F(FlipPacing, NoRateMeansNoSync) {
  Open(800, 600, 0, 0);
  Flip(-1);
  Open(800, 600, 32, 0);
  Flip(-1);
  ASSERT_EQ(driver->flips.size(), 2u);
  EXPECT_EQ(driver->flips[0].sync, 0);
  EXPECT_EQ(driver->flips[1].sync, 0);
  EXPECT_TRUE(FakeClock::delays.empty());
}

TEST_F(FlipPacing, AnotherCurrentContextSyncsWithTheDisplay) {
  Open(800, 600, 0, 60);
  SetGraphics(CreateGraphics(100, 100, 0, 0, 0));
  Flip(-1);
  EXPECT_EQ(driver->flips.back().sync, 1);
  EXPECT_TRUE(FakeClock::delays.empty());
}

TEST_F(FlipPacing, AnExplicitSyncIsPassedOnWithoutPacing) {
  Open(800, 600, 0, 60);
  Flip(0);
  Flip(2);
  ASSERT_EQ(driver->flips.size(), 2u);
  EXPECT_EQ(driver->flips[0].sync, 0);
  EXPECT_EQ(driver->flips[1].sync, 2);
  EXPECT_TRUE(FakeClock::delays.empty());
}

struct HookSeen {
  static inline size_t flips_before = 99;
  static inline bool data_was_null = false;
  static inline StandInDriver* driver = nullptr;
};

Ref<Object> RecordFlipHook(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  HookSeen::flips_before = HookSeen::driver->flips.size();
  HookSeen::data_was_null = !data;
  return data;
}

TEST_F(FlipPacing, FlipHookRunsBeforeAnythingIsShown) {
  Open(800, 600, 0, 60);
  HookSeen::driver = driver.get();
  AddHook(FlipHook, RecordFlipHook, nullptr, 0);
  Flip(0);
  RemoveHook(FlipHook, RecordFlipHook, nullptr);
  EXPECT_EQ(HookSeen::flips_before, 0u);
  EXPECT_TRUE(HookSeen::data_was_null);
  EXPECT_EQ(driver->flips.size(), 1u);
}

}  // namespace
}  // namespace tazmix::test
