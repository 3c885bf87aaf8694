// Misuse of hooks, events, polled input, timers and the system module, with
// no graphics open (the graphics rows live with the drawing layer).
#include <ctime>
#include <limits>

#include "runtime/error_report.h"
#include "system/event.h"
#include "system/hook.h"
#include "system/input_injection.h"
#include "system/local_time.h"
#include "system/polled_input.h"
#include "system/system_driver.h"
#include "system/timer.h"
#include "tests/misuse/misuse_table.h"

using namespace tazmix;
using namespace tazmix::misuse;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

Ref<Object> PassOn(int32_t, const Ref<Object>& data, const Ref<Object>&) { return data; }

// An input event of `kind` carrying `code`, as a platform would emit it.
void Press(int32_t kind, int32_t code) { EmitEvent(CreateEvent(kind, nullptr, code)); }

int32_t AllKeyHits() {
  int32_t hits = 0;
  for (int32_t key = 0; key < 256; ++key) hits += KeyHit(key);
  return hits;
}

// Null, and the line saying why.
void ExpectNoTimer(float hertz, const char* line) {
  ClearLastError();
  EXPECT_FALSE(CreateTimer(hertz));
  EXPECT_EQ(LastErrorText(), String(line));
}

const Row kRows[] = {
    {"AllocHookIdPastTheLast",
     [] { ExpectRaises<TStringObject>([] { for (int i = 0; i < 300; ++i) AllocHookId(); }, "Too many hook ids"); }},
    {"AddHookNegativeId", [] { AddHook(-1, PassOn, nullptr, 0); }},
    {"AddHookIdPastTable", [] { AddHook(HOOK_ID_COUNT, PassOn, nullptr, 0); }},
    {"RunHooksLargestId", [] { Ref<Object> data = New<Object>(); EXPECT_EQ(RunHooks(INT32_MAX, data), data); }},
    {"RemoveHookSmallestId", [] { RemoveHook(INT32_MIN, PassOn, nullptr); }},
    {"AddHookWithoutFunction", [] {
       const int32_t id = AllocHookId();
       AddHook(id, nullptr, nullptr, 0);
       ExpectRaises<TNullFunctionException>([id] { RunHooks(id, nullptr); }, "Attempt to call uninitialized function pointer");
     }},
    {"EmitEventNull", [] { ExpectNullObject([] { EmitEvent(nullptr); }); }},
    {"DescribeSmallestId", [] { EXPECT_EQ(TEvent::DescriptionForId(INT32_MIN), String()); }},
    {"EventTextSmallestId", [] { EXPECT_EQ(CreateEvent(INT32_MIN)->ToString().Left(10), String("UserEvent0")); }},
    {"AllocUserEventIdLongText", [] { EXPECT_EQ(TEvent::DescriptionForId(AllocUserEventId(LongText())), LongText()); }},
    {"KeyHitNegative", [] { EnablePolledInput(); EXPECT_EQ(KeyHit(-1), 0); }},
    {"KeyHit256", [] { EnablePolledInput(); EXPECT_EQ(KeyHit(256), 0); }},
    {"KeyDownSmallestInt", [] { EXPECT_EQ(KeyDown(INT32_MIN), 0); }},
    {"MouseHit4", [] { EXPECT_EQ(MouseHit(4), 0); }},
    {"MouseDownNegative", [] { EXPECT_EQ(MouseDown(-1), 0); }},
    {"KeyEventOutOfRange", [] { EnablePolledInput(); Press(EVENT_KEYDOWN, 1000); Press(EVENT_KEYDOWN, -1); EXPECT_EQ(AllKeyHits(), 0); }},
    {"MouseEventOutOfRange", [] { EnablePolledInput(); Press(EVENT_MOUSEDOWN, 99); Press(EVENT_MOUSEUP, INT32_MIN); EXPECT_EQ(MouseDown(1), 0); }},
    {"CreateTimerZero", [] { ExpectNoTimer(0, "CreateTimer(0): the rate must be above 0 ticks per second"); }},
    {"CreateTimerNegative", [] { ExpectNoTimer(-60, "CreateTimer(-60): the rate must be above 0 ticks per second"); }},
    {"CreateTimerNaN", [] { ExpectNoTimer(kNaN, "CreateTimer(nan): the rate must be above 0 ticks per second"); }},
    {"CreateTimerInfinite", [] { ExpectNoTimer(kInf, "CreateTimer(inf): the rate must be at most 1000 ticks per second"); }},
    {"CreateTimerAboveMilliseconds", [] { ExpectNoTimer(2000, "CreateTimer(2000): the rate must be at most 1000 ticks per second"); }},
    {"CreateTimerTiny", [] { ExpectNoTimer(1e-30f, "CreateTimer(1e-30): the rate must be at least one tick in 24 days"); }},
    {"TimerTicksNull", [] { ExpectRaises<TNullObjectException>([] { TimerTicks(nullptr); }, "TimerTicks: the timer is Null (did CreateTimer fail? its line says why)\n"); }},
    {"WaitTimerNull", [] { ExpectRaises<TNullObjectException>([] { WaitTimer(nullptr); }, "WaitTimer: the timer is Null (did CreateTimer fail? its line says why)\n"); }},
    {"StopTimerNull", [] { StopTimer(nullptr); }},
    {"WaitStoppedTimer", [] { Ref<TTimer> t = CreateTimer(100); ASSERT_TRUE(t); StopTimer(t); StopTimer(t); EXPECT_EQ(WaitTimer(t), 0); }},
    {"MoveMouseWithoutWindow", [] { MoveMouse(INT32_MIN, INT32_MAX); }},
    {"ResolveURLLongText", [] { EXPECT_EQ(ResolveURLForShell(LongText()), String("http:") + LongText()); }},
    {"FormatDateMonthOutOfRange", [] { std::tm t{}; t.tm_mon = 1000; t.tm_mday = -5; t.tm_year = INT32_MAX; FormatDate(t); }},
    {"InjectKeyOutOfRange", [] { InjectKey(INT32_MIN, 1); InjectKeyHit(999); PollSystem(); }},
    {"InjectMouseButtonOutOfRange", [] { InjectMouseButton(7, 1, 0, 0); InjectMouseClick(-1, INT32_MIN, INT32_MAX); PollSystem(); }},
};

class SystemMisuse : public Table {
 protected:
  void SetUp() override {
    InitTimers();
    InitPolledInput();
    Table::SetUp();
  }
};

}  // namespace

MISUSE_TABLE(SystemMisuse, kRows);
