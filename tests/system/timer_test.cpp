#include "system/timer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>
#include <vector>

#include "event_recorder.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "system/system_driver.h"

namespace tazmix {
namespace {

// Time-based checks use generous bounds: the machine may be slow or busy.

TEST(Timers, ATwentyHertzTimerCountsAboutTwentyTicksASecondWhileTheMainThreadWaits) {
  Ref<TTimer> timer = CreateTimer(20);
  ASSERT_TRUE(timer);
  const int32_t start = MilliSecs();
  while (MilliSecs() - start < 1000) WaitSystem();
  const int32_t ticks = TimerTicks(timer);
  EXPECT_GE(ticks, 12);
  EXPECT_LE(ticks, 24);
  StopTimer(timer);
}

TEST(Timers, TicksStandStillWhileNobodyPolls) {
  Ref<TTimer> timer = CreateTimer(200);
  ASSERT_TRUE(timer);
  Delay(100);
  EXPECT_EQ(timer->Ticks(), 0);
  PollSystem();
  EXPECT_GT(timer->Ticks(), 0);
  timer->Stop();
}

TEST(Timers, WaitReturnsTheTicksSinceTheLastWait) {
  Ref<TTimer> timer = CreateTimer(5);
  ASSERT_TRUE(timer);
  EXPECT_EQ(WaitTimer(timer), 1);
  EXPECT_EQ(timer->Ticks(), 1);
  // Ticks counted by polling still belong to the next Wait.
  const int32_t start = MilliSecs();
  while (timer->Ticks() < 3 && MilliSecs() - start < 5000) WaitSystem();
  const int32_t counted = timer->Ticks();
  ASSERT_GE(counted, 3);
  // Waits for the next tick, then reports all since the first Wait.
  const int32_t n = timer->Wait();
  EXPECT_GT(timer->Ticks(), counted);
  EXPECT_EQ(n, timer->Ticks() - 1);
  timer->Stop();
  const int32_t kept = timer->Ticks();
  EXPECT_EQ(timer->Wait(), 0);
  EXPECT_EQ(timer->Ticks(), kept);  // a stopped timer keeps its count
}

TEST(Timers, ATickPostedBeforeStopIsIgnored) {
  Ref<TTimer> timer = CreateTimer(500);
  ASSERT_TRUE(timer);
  Delay(50);  // ticks are posted but nobody polls
  timer->Stop();
  PollSystem();
  EXPECT_EQ(timer->Ticks(), 0);
  timer->Stop();  // again: nothing
}

TEST(Timers, AtMostSixteenRunAtOnce) {
  std::vector<Ref<TTimer>> timers;
  for (int i = 0; i < MAX_RUNNING_TIMERS; ++i) {
    timers.push_back(CreateTimer(1));
    ASSERT_TRUE(timers.back()) << i;
  }
  ClearLastError();
  EXPECT_FALSE(CreateTimer(1));
  EXPECT_EQ(LastErrorText(), String("CreateTimer(1): 16 timers are running already; stop one first"));
  timers[5]->Stop();
  Ref<TTimer> another = CreateTimer(1);
  EXPECT_TRUE(another);
  EXPECT_FALSE(CreateTimer(1));
  for (auto& timer : timers) timer->Stop();
  another->Stop();
}

TEST(Timers, FrequenciesWithoutAWholeMillisecondPeriodGiveNull) {
  EXPECT_FALSE(CreateTimer(0));
  EXPECT_FALSE(CreateTimer(-5));
  EXPECT_FALSE(CreateTimer(1001));
  EXPECT_FALSE(CreateTimer(std::numeric_limits<float>::infinity()));
  EXPECT_FALSE(CreateTimer(std::nanf("")));
  Ref<TTimer> fastest = CreateTimer(1000);
  ASSERT_TRUE(fastest);
  fastest->Stop();
}

TEST(Timers, EventsAreFreshTimerTicksOrTheGivenEventEveryTime) {
  test::EventRecorder recorder;
  Ref<TTimer> plain = CreateTimer(50);
  ASSERT_TRUE(plain);
  while (plain->Ticks() < 3) plain->Wait();
  plain->Stop();
  auto ticks = recorder.OfKind(EVENT_TIMERTICK);
  ASSERT_GE(ticks.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(ticks[i].data, static_cast<int32_t>(i + 1));
    EXPECT_EQ(ticks[i].source, plain.get());
  }
  EXPECT_NE(ticks[0].event.get(), ticks[1].event.get());

  const int32_t mine = AllocUserEventId();
  Ref<TEvent> event = CreateEvent(mine, nullptr, 42);
  Ref<TTimer> custom = CreateTimer(50, event);
  ASSERT_TRUE(custom);
  custom->Wait();
  custom->Wait();
  custom->Stop();
  auto seen = recorder.OfKind(mine);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0].event.get(), event.get());
  EXPECT_EQ(seen[1].event.get(), event.get());
  EXPECT_EQ(seen[1].data, 42);
}

TEST(Timers, ARunningTimerLivesOnWithoutTheProgramsReference) {
  test::EventRecorder recorder;
  Object* timer = nullptr;
  {
    Ref<TTimer> held = CreateTimer(100);
    ASSERT_TRUE(held);
    timer = held.get();
  }
  const int32_t start = MilliSecs();
  while (recorder.OfKind(EVENT_TIMERTICK).size() < 2 && MilliSecs() - start < 5000) WaitSystem();
  auto ticks = recorder.OfKind(EVENT_TIMERTICK);
  ASSERT_GE(ticks.size(), 2u);
  EXPECT_EQ(ticks[1].source, timer);
  static_cast<TTimer*>(timer)->Stop();  // releases the last reference
}

Ref<Object> StopOtherTimer(int32_t, const Ref<Object>& data, const Ref<Object>& context) {
  auto event = Cast<TEvent>(data);
  if (event && event->id == EVENT_TIMERTICK && event->source != context) static_cast<TTimer*>(context.get())->Stop();
  return data;
}

TEST(Timers, WaitEndsWhenAHookStopsTheTimerItWaitsFor) {
  Ref<TTimer> slow = CreateTimer(0.2f);  // one tick in five seconds
  Ref<TTimer> fast = CreateTimer(50);
  ASSERT_TRUE(slow && fast);
  InitEvents();
  AddHook(EmitEventHook, StopOtherTimer, slow, 0);
  const int32_t start = MilliSecs();
  EXPECT_EQ(slow->Wait(), 0);
  EXPECT_LT(MilliSecs() - start, 4000);
  RemoveHook(EmitEventHook, StopOtherTimer, slow);
  fast->Stop();
}

}  // namespace
}  // namespace tazmix
