// The system driver on real SDL events: what comes out of the event hook.
#include "system/platform/sdl_system_driver.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "event_recorder.h"
#include "runtime/exception.h"
#include "sdl_test_events.h"
#include "system/main_thread_call.h"
#include "system/platform/sdl_window_registry.h"

namespace tazmix {
namespace {

using test::EventRecorder;
using test::SeenEvent;

class SystemDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    InitSystem();
    PollSystem();  // whatever SDL queued at start
  }

  // Polls and returns what the hook saw.
  std::vector<SeenEvent> Deliver() {
    recorder_.Clear();
    PollSystem();
    return recorder_.Events();
  }

  EventRecorder recorder_;
};

::testing::AssertionResult Is(const SeenEvent& e, int32_t id, int32_t data, int32_t mods = 0, int32_t x = 0,
                               int32_t y = 0) {
  if (e.id == id && e.data == data && e.mods == mods && e.x == x && e.y == y) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << e.event->ToString().ToUTF8String();
}

TEST_F(SystemDriver, EscapePressRepeatAndReleaseGiveDownRepeatAndUp) {
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_NUM, true);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  auto seen = Deliver();
  // Escape types a character of its own, as Enter, Tab and Backspace do.
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_TRUE(Is(seen[0], EVENT_KEYDOWN, 27));
  EXPECT_TRUE(Is(seen[1], EVENT_KEYCHAR, 27));
  EXPECT_TRUE(Is(seen[2], EVENT_KEYREPEAT, 27));
  EXPECT_TRUE(Is(seen[3], EVENT_KEYCHAR, 27));
  EXPECT_TRUE(Is(seen[4], EVENT_KEYUP, 27));
}

TEST_F(SystemDriver, ModifierKeysAreToldApartLeftAndRightAndSetTheModifierBits) {
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_RCTRL, SDLK_RCTRL, KMOD_RCTRL);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, KMOD_RCTRL | KMOD_LSHIFT);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_RALT, SDLK_RALT, KMOD_RCTRL | KMOD_LSHIFT | KMOD_RALT);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_LGUI, SDLK_LGUI, KMOD_RCTRL | KMOD_LSHIFT | KMOD_RALT | KMOD_LGUI);
  // A letter does not recompute the bits, whatever its own mod field says.
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a, KMOD_NONE);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_RCTRL, SDLK_RCTRL, KMOD_LSHIFT | KMOD_RALT | KMOD_LGUI);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, KMOD_RALT | KMOD_LGUI);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, KMOD_RALT | KMOD_LGUI);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_LALT, SDLK_LALT, KMOD_LGUI);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_LCTRL, SDLK_LCTRL, KMOD_NONE);
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 10u);
  EXPECT_TRUE(Is(seen[0], EVENT_KEYDOWN, 163, 2));
  EXPECT_TRUE(Is(seen[1], EVENT_KEYDOWN, 160, 3));
  EXPECT_TRUE(Is(seen[2], EVENT_KEYDOWN, 165, 7));
  EXPECT_TRUE(Is(seen[3], EVENT_KEYDOWN, 91, 15));
  EXPECT_TRUE(Is(seen[4], EVENT_KEYDOWN, 65, 15));
  EXPECT_TRUE(Is(seen[5], EVENT_KEYUP, 163, 13));
  EXPECT_TRUE(Is(seen[6], EVENT_KEYUP, 160, 12));
  EXPECT_TRUE(Is(seen[7], EVENT_KEYUP, 161, 12));
  EXPECT_TRUE(Is(seen[8], EVENT_KEYUP, 164, 8));
  EXPECT_TRUE(Is(seen[9], EVENT_KEYUP, 162, 0));
}

TEST_F(SystemDriver, KeyCodesFollowTheLayoutForLettersAndDigitsAndThePositionOtherwise) {
  struct Case {
    SDL_Scancode scancode;
    SDL_Keycode keycode;
    Uint16 mod;
    int32_t code;
  } cases[] = {
      {SDL_SCANCODE_Y, SDLK_z, KMOD_NUM, 'Z'},           // German layout: Z sits where Y is
      {SDL_SCANCODE_Q, 0x0439, KMOD_NUM, 'Q'},           // a Cyrillic letter falls back to the position
      {SDL_SCANCODE_1, SDLK_AMPERSAND, KMOD_NUM, '1'},   // a layout without digits on the row
      {SDL_SCANCODE_0, SDLK_0, KMOD_NUM, '0'},
      {SDL_SCANCODE_SPACE, SDLK_SPACE, KMOD_NUM, 32},
      {SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_NUM, 13},
      {SDL_SCANCODE_LEFT, SDLK_LEFT, KMOD_NUM, 37},
      {SDL_SCANCODE_DOWN, SDLK_DOWN, KMOD_NUM, 40},
      {SDL_SCANCODE_F1, SDLK_F1, KMOD_NUM, 112},
      {SDL_SCANCODE_F12, SDLK_F12, KMOD_NUM, 123},
      {SDL_SCANCODE_F24, SDLK_F24, KMOD_NUM, 135},
      {SDL_SCANCODE_DELETE, SDLK_DELETE, KMOD_NUM, 46},
      {SDL_SCANCODE_KP_7, SDLK_KP_7, KMOD_NUM, 103},
      {SDL_SCANCODE_KP_7, SDLK_KP_7, KMOD_NONE, 36},     // Num Lock off: Home
      {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_NUM, 13},
      {SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, KMOD_NUM, 186},
      {SDL_SCANCODE_NONUSBACKSLASH, SDLK_LESS, KMOD_NUM, 226},
      {SDL_SCANCODE_RGUI, SDLK_RGUI, KMOD_RGUI, 92},
  };
  for (const Case& c : cases) {
    test::PushKey(SDL_KEYDOWN, c.scancode, c.keycode, c.mod);
    auto downs = [&] {
      recorder_.Clear();
      PollSystem();
      return recorder_.OfKind(EVENT_KEYDOWN);
    }();
    ASSERT_EQ(downs.size(), 1u) << SDL_GetScancodeName(c.scancode);
    EXPECT_EQ(downs[0].data, c.code) << SDL_GetScancodeName(c.scancode);
  }
}

TEST_F(SystemDriver, KeysWithoutACodeProduceNoEvent) {
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_KP_EQUALSAS400, SDLK_KP_EQUALSAS400);
  test::PushKey(SDL_KEYUP, static_cast<SDL_Scancode>(511), 0);
  EXPECT_TRUE(Deliver().empty());
}

TEST_F(SystemDriver, TextInputGivesOneKeyCharPerUtf16CodeUnit) {
  test::PushText("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");  // a é € U+1F600
  test::PushText("\xFFz");                                  // a malformed byte
  test::PushText("\xC0\xAF\xED\xA0\x80");                    // overlong "/", a surrogate
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 9u);
  const int32_t expected[] = {'a', 0xE9, 0x20AC, 0xD83D, 0xDE00, 0xFFFD, 'z', 0xFFFD, 0xFFFD};
  for (size_t i = 0; i < 9; ++i) EXPECT_TRUE(Is(seen[i], EVENT_KEYCHAR, expected[i])) << i;
}

TEST_F(SystemDriver, MouseMovesCarryTheHeldButtonByTheOverridingRule) {
  test::PushMotion(10, 20, 0);
  test::PushMotion(11, 21, SDL_BUTTON_LMASK);
  test::PushMotion(12, 22, SDL_BUTTON_MMASK);
  test::PushMotion(13, 23, SDL_BUTTON_LMASK | SDL_BUTTON_MMASK);
  test::PushMotion(14, 24, SDL_BUTTON_RMASK | SDL_BUTTON_MMASK);
  test::PushMotion(15, 25, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK);
  test::PushMotion(-3, 70000, 0);  // each coordinate is a signed 16-bit value
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 7u);
  EXPECT_TRUE(Is(seen[0], EVENT_MOUSEMOVE, 0, 0, 10, 20));
  EXPECT_TRUE(Is(seen[1], EVENT_MOUSEMOVE, 1, 0, 11, 21));
  EXPECT_TRUE(Is(seen[2], EVENT_MOUSEMOVE, 4, 0, 12, 22));
  EXPECT_TRUE(Is(seen[3], EVENT_MOUSEMOVE, 4, 0, 13, 23));
  EXPECT_TRUE(Is(seen[4], EVENT_MOUSEMOVE, 2, 0, 14, 24));
  EXPECT_TRUE(Is(seen[5], EVENT_MOUSEMOVE, 2, 0, 15, 25));
  EXPECT_TRUE(Is(seen[6], EVENT_MOUSEMOVE, 0, 0, -3, 70000 - 65536));
}

TEST_F(SystemDriver, ButtonsAreNumberedLeftRightMiddleAndOthersAreDropped) {
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6);
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 7, 8);
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 9, 10);
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 1, 1);
  test::PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_X2, 1, 1);
  test::PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 11, 12);
  test::PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 13, 14);
  test::PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, -15, 16);
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 6u);
  EXPECT_TRUE(Is(seen[0], EVENT_MOUSEDOWN, 1, 0, 5, 6));
  EXPECT_TRUE(Is(seen[1], EVENT_MOUSEDOWN, 2, 0, 7, 8));
  EXPECT_TRUE(Is(seen[2], EVENT_MOUSEDOWN, 3, 0, 9, 10));
  EXPECT_TRUE(Is(seen[3], EVENT_MOUSEUP, 3, 0, 11, 12));
  EXPECT_TRUE(Is(seen[4], EVENT_MOUSEUP, 2, 0, 13, 14));
  EXPECT_TRUE(Is(seen[5], EVENT_MOUSEUP, 1, 0, -15, 16));
}

TEST_F(SystemDriver, TheWheelCountsWholeNotchesAtThePointer) {
  test::PushWheel(1, 30, 40);
  test::PushWheel(-2, 31, 41);
  test::PushWheel(0, 32, 42);  // half a notch has not made a whole one yet
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_TRUE(Is(seen[0], EVENT_MOUSEWHEEL, 1, 0, 30, 40));
  EXPECT_TRUE(Is(seen[1], EVENT_MOUSEWHEEL, -2, 0, 31, 41));
  EXPECT_TRUE(Is(seen[2], EVENT_MOUSEWHEEL, 0, 0, 32, 42));
}

TEST_F(SystemDriver, CloseRequestsAndQuitGiveAppTerminate) {
  test::PushWindowEvent(SDL_WINDOWEVENT_CLOSE, 3);
  test::PushQuit();
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_TRUE(Is(seen[0], EVENT_APPTERMINATE, 0));
  EXPECT_TRUE(Is(seen[1], EVENT_APPTERMINATE, 0));
}

TEST_F(SystemDriver, SuspendAndResumeOnlyWhenFocusMovesToOrFromAnotherProgram) {
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, 1);
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].id, EVENT_APPSUSPEND);

  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED, 1);
  seen = Deliver();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].id, EVENT_APPRESUME);

  // From one window of the program to another: nothing.
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, 1);
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED, 2);
  EXPECT_TRUE(Deliver().empty());

  // Other window events are not input.
  test::PushWindowEvent(SDL_WINDOWEVENT_MOVED, 2);
  test::PushWindowEvent(SDL_WINDOWEVENT_EXPOSED, 2);
  EXPECT_TRUE(Deliver().empty());
}

TEST_F(SystemDriver, EventsCarryTheSourceRegisteredForTheirWindow) {
  Ref<Object> graphics = String("graphics").AsObject();
  SetSDLWindowSource(7, graphics);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_b, KMOD_NUM, false, 7);
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 2, 7);
  test::PushWindowEvent(SDL_WINDOWEVENT_CLOSE, 7);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_C, SDLK_c, KMOD_NUM, false, 8);
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0].source, graphics.get());
  EXPECT_EQ(seen[1].source, graphics.get());
  EXPECT_EQ(seen[2].source, graphics.get());
  EXPECT_EQ(seen[3].source, nullptr);

  ForgetSDLWindow(7);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_b, KMOD_NUM, false, 7);
  seen = Deliver();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].source, nullptr);
}

void CountListened(const SDL_Event& event, void* context) {
  if (event.type == SDL_KEYDOWN) ++*static_cast<int*>(context);
}

TEST_F(SystemDriver, ListenersOfTheWindowLayerSeeTheRawEventsFirst) {
  int count = 0;
  AddSDLEventListener(CountListened, &count);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_b);
  PollSystem();
  EXPECT_EQ(count, 1);
  RemoveSDLEventListener(CountListened, &count);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_b);
  PollSystem();
  EXPECT_EQ(count, 1);
}

// --- enter and leave need real windows --------------------------------------

class SystemDriverWithWindows : public SystemDriver {
 protected:
  void SetUp() override {
    SystemDriver::SetUp();
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    a_ = SDL_CreateWindow("a", 100, 100, 200, 100, 0);
    b_ = SDL_CreateWindow("b", 400, 100, 50, 50, 0);
    ASSERT_TRUE(a_ && b_) << SDL_GetError();
    PollSystem();
  }
  void TearDown() override {
    if (a_) SDL_DestroyWindow(a_);
    if (b_) SDL_DestroyWindow(b_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  Uint32 A() const { return SDL_GetWindowID(a_); }
  Uint32 B() const { return SDL_GetWindowID(b_); }

  SDL_Window* a_ = nullptr;
  SDL_Window* b_ = nullptr;
};

TEST_F(SystemDriverWithWindows, ThePointerEntersAndLeavesTheClientArea) {
  Ref<Object> source = String("a").AsObject();
  SetSDLWindowSource(A(), source);
  test::PushMotion(10, 10, 0, A());
  test::PushMotion(20, 15, 0, A());
  test::PushMotion(250, 15, SDL_BUTTON_LMASK, A());  // captured, outside on the right
  test::PushMotion(199, 99, 0, A());                  // the last pixel inside
  test::PushWindowEvent(SDL_WINDOWEVENT_LEAVE, A());
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 8u);
  EXPECT_TRUE(Is(seen[0], EVENT_MOUSEENTER, 0, 0, 10, 10));
  EXPECT_EQ(seen[0].source, source.get());
  EXPECT_TRUE(Is(seen[1], EVENT_MOUSEMOVE, 0, 0, 10, 10));
  EXPECT_TRUE(Is(seen[2], EVENT_MOUSEMOVE, 0, 0, 20, 15));
  EXPECT_TRUE(Is(seen[3], EVENT_MOUSELEAVE, 0, 0, 250, 15));
  EXPECT_EQ(seen[3].source, source.get());
  EXPECT_TRUE(Is(seen[4], EVENT_MOUSEMOVE, 1, 0, 250, 15));
  EXPECT_TRUE(Is(seen[5], EVENT_MOUSEENTER, 0, 0, 199, 99));
  EXPECT_TRUE(Is(seen[6], EVENT_MOUSEMOVE, 0, 0, 199, 99));
  EXPECT_TRUE(Is(seen[7], EVENT_MOUSELEAVE, 0, 0, 199, 99));
  ForgetSDLWindow(A());
}

TEST_F(SystemDriverWithWindows, MovingFromOneWindowToAnotherLeavesTheFirstInItsOwnCoordinates) {
  test::PushMotion(5, 5, 0, A());
  test::PushMotion(10, 20, 0, B());
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen[0].id, EVENT_MOUSEENTER);
  EXPECT_EQ(seen[1].id, EVENT_MOUSEMOVE);
  // Windows at x 100 and 400 on the screen: b's (10, 20) is a's (310, 20).
  int ax, ay, bx, by;
  SDL_GetWindowPosition(a_, &ax, &ay);
  SDL_GetWindowPosition(b_, &bx, &by);
  EXPECT_TRUE(Is(seen[2], EVENT_MOUSELEAVE, 0, 0, 10 + bx - ax, 20 + by - ay));
  EXPECT_TRUE(Is(seen[3], EVENT_MOUSEENTER, 0, 0, 10, 20));
  EXPECT_TRUE(Is(seen[4], EVENT_MOUSEMOVE, 0, 0, 10, 20));
}

TEST_F(SystemDriverWithWindows, APointerHiddenByTheProgramShowsOutsideItsWindows) {
  HideMouse();
  test::PushMotion(5, 5, 0, A());
  PollSystem();
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  test::PushWindowEvent(SDL_WINDOWEVENT_LEAVE, A());
  PollSystem();
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
  test::PushMotion(6, 6, 0, A());
  PollSystem();
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  ShowMouse();
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

// --- posted calls and the polling guard ----------------------------------------

struct CallLog : Object {
  std::vector<int32_t> values;
  std::vector<std::thread::id> threads;
};

void LogCall(Object* object, int32_t value) {
  auto* log = static_cast<CallLog*>(object);
  log->values.push_back(value);
  log->threads.push_back(std::this_thread::get_id());
}

TEST_F(SystemDriver, CallsPostedFromSeveralThreadsRunOnTheMainThreadInPostingOrder) {
  Ref<CallLog> log = New<CallLog>();
  constexpr int kThreads = 4, kCalls = 200;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &log] {
      for (int i = 0; i < kCalls; ++i) PostMainThreadCall(LogCall, log.get(), t * 1000 + i);
    });
  }
  for (std::thread& thread : threads) thread.join();
  // Nothing runs before the main thread polls.
  EXPECT_TRUE(log->values.empty());
  PostMainThreadCall(LogCall, log.get(), -1);
  PollSystem();

  ASSERT_EQ(log->values.size(), size_t{kThreads * kCalls + 1});
  std::vector<int> next(kThreads, 0);
  for (size_t i = 0; i < log->values.size() - 1; ++i) {
    const int32_t v = log->values[i];
    ASSERT_EQ(v % 1000, next[v / 1000]++) << "calls of one thread out of order";
    EXPECT_EQ(log->threads[i], std::this_thread::get_id());
  }
  EXPECT_EQ(log->values.back(), -1);  // the last posted runs last
}

EventRecorder* current_recorder = nullptr;
void NoteEventsSoFar(Object* object, int32_t) {
  static_cast<CallLog*>(object)->values.push_back(static_cast<int32_t>(current_recorder->Events().size()));
}

TEST_F(SystemDriver, CallsAndInputRunInTheOrderTheyWereQueued) {
  Ref<CallLog> log = New<CallLog>();
  current_recorder = &recorder_;
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_b);
  PostMainThreadCall(NoteEventsSoFar, log.get(), 0);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_B, SDLK_b);
  auto seen = Deliver();
  EXPECT_EQ(seen.size(), 2u);
  ASSERT_EQ(log->values.size(), 1u);
  EXPECT_EQ(log->values[0], 1);
}

int nested_seen = 0;
Ref<Object> PollAgain(int32_t, const Ref<Object>& data, const Ref<Object>&) {
  ++nested_seen;
  PollSystem();  // refused: a poll is running
  WaitSystem();  // likewise, and it must not block
  return data;
}

TEST_F(SystemDriver, PollingFromAHookDuringDeliveryReturnsAtOnce) {
  AddHook(EmitEventHook, PollAgain, nullptr, 200);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_b);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_B, SDLK_b);
  auto seen = Deliver();
  RemoveHook(EmitEventHook, PollAgain, nullptr);
  // Each event reached the recorder after its own PollAgain, in order.
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].id, EVENT_KEYDOWN);
  EXPECT_EQ(seen[1].id, EVENT_KEYUP);
  EXPECT_EQ(nested_seen, 2);
}

Ref<Object> RaiseOnKey(int32_t, const Ref<Object>&, const Ref<Object>&) { Throw(String("hook failed")); }

TEST_F(SystemDriver, ARaisingHookDoesNotLeaveThePollingGuardSet) {
  AddHook(EmitEventHook, RaiseOnKey, nullptr, 300);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_b);
  EXPECT_THROW(PollSystem(), Thrown);
  RemoveHook(EmitEventHook, RaiseOnKey, nullptr);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_B, SDLK_b);
  auto seen = Deliver();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].id, EVENT_KEYUP);
}

TEST_F(SystemDriver, WaitBlocksUntilInputArrives) {
  Ref<CallLog> log = New<CallLog>();
  std::thread poster([&log] {
    SDL_Delay(50);
    PostMainThreadCall(LogCall, log.get(), 7);
  });
  WaitSystem();
  poster.join();
  ASSERT_EQ(log->values.size(), 1u);
  EXPECT_EQ(log->values[0], 7);
}

}  // namespace
}  // namespace tazmix
