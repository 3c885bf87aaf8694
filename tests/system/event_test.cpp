#include "system/event.h"

#include <gtest/gtest.h>

#include "event_recorder.h"

namespace tazmix {
namespace {

TEST(Events, RegisteredDescriptionsAndUnknownIds) {
  EXPECT_EQ(TEvent::DescriptionForId(0x202), String("KeyUp"));
  EXPECT_EQ(TEvent::DescriptionForId(EVENT_APPSUSPEND), String("AppSuspend"));
  EXPECT_EQ(TEvent::DescriptionForId(EVENT_PROCESSEXIT), String("ProcessExit"));
  EXPECT_EQ(TEvent::DescriptionForId(EVENT_TIMERTICK), String("TimerTick"));
  EXPECT_EQ(TEvent::DescriptionForId(12345), String(""));
  // "}25{" must not be found inside "}257{".
  EXPECT_EQ(TEvent::DescriptionForId(25), String(""));

  // The first registration of an id wins.
  TEvent::RegisterId(777, String("First"));
  TEvent::RegisterId(777, String("Second"));
  EXPECT_EQ(TEvent::DescriptionForId(777), String("First"));
}

TEST(Events, ToStringNamesTheKindAndListsTheFields) {
  EXPECT_EQ(TEvent::Create(EVENT_KEYDOWN, nullptr, 27)->ToString(),
            String("KeyDown: data=27, mods=0, x=0, y=0, extra=\"\""));
  EXPECT_EQ(TEvent::Create(999)->ToString(), String("Unknown Event, id=999: data=0, mods=0, x=0, y=0, extra=\"\""));
  EXPECT_EQ(TEvent::Create(EVENT_APPOPENFILE, nullptr, -1, 3, 40, -50, String("a.txt").AsObject())->ToString(),
            String("AppOpenFile: data=-1, mods=3, x=40, y=-50, extra=\"a.txt\""));
  // An extra that is not a String shows as nothing between the quotes.
  EXPECT_EQ(TEvent::Create(EVENT_KEYUP, nullptr, 1, 0, 0, 0, TEvent::Create(1))->ToString(),
            String("KeyUp: data=1, mods=0, x=0, y=0, extra=\"\""));
}

TEST(Events, UserIdsCountUpFromTheTopBitAndRegisterOnlyWithADescription) {
  const int32_t first = AllocUserEventId();
  EXPECT_EQ(static_cast<uint32_t>(first), 0x80000001u);
  EXPECT_EQ(TEvent::DescriptionForId(first), String(""));
  EXPECT_EQ(TEvent::Create(first)->ToString().Left(11), String("UserEvent1:"));

  const int32_t named = AllocUserEventId(String("Ping"));
  EXPECT_EQ(static_cast<uint32_t>(named), 0x80000002u);
  EXPECT_EQ(TEvent::DescriptionForId(named), String("Ping"));
  EXPECT_EQ(TEvent::Create(named, nullptr, 5)->ToString().Left(13), String("Ping: data=5,"));
  EXPECT_EQ(static_cast<uint32_t>(TEvent::AllocUserId()), 0x80000003u);
}

TEST(Events, EmitRunsTheEventHookWithTheEventItself) {
  test::EventRecorder recorder;
  Ref<Object> source = String("src").AsObject();
  Ref<TEvent> event = CreateEvent(EVENT_MOUSEDOWN, source, 1, 2, 3, 4);
  EXPECT_EQ(EmitEvent(event), 0);
  ASSERT_EQ(recorder.Events().size(), 1u);
  const test::SeenEvent& seen = recorder.Events()[0];
  EXPECT_EQ(seen.event.get(), event.get());
  EXPECT_EQ(seen.source, source.get());
  EXPECT_EQ(seen.id, EVENT_MOUSEDOWN);
  EXPECT_EQ(seen.data, 1);
  EXPECT_EQ(seen.mods, 2);
  EXPECT_EQ(seen.x, 3);
  EXPECT_EQ(seen.y, 4);
}

}  // namespace
}  // namespace tazmix
