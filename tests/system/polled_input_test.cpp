// Polled input fed by real SDL events through the system driver.
#include "system/polled_input.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "sdl_test_events.h"
#include "system/event.h"
#include "system/hook.h"
#include "system/platform/sdl_window_registry.h"
#include "system/system_driver.h"
#include "tests/support/child_process.h"

namespace tazmix {
namespace {

class PolledInput : public ::testing::Test {
 protected:
  void SetUp() override { EnablePolledInput(nullptr); }
  void TearDown() override { DisablePolledInput(); }
};

TEST_F(PolledInput, HitsCountPressesUntilCollected) {
  test::PushTap(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  test::PushTap(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
  EXPECT_EQ(KeyHit(27), 2);
  EXPECT_EQ(KeyHit(27), 0);
  EXPECT_EQ(KeyDown(27), 0);
}

TEST_F(PolledInput, AHeldKeyIsOneHitHoweverLongItRepeats) {
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_SPACE, SDLK_SPACE);
  for (int i = 0; i < 20; ++i) test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_SPACE, SDLK_SPACE, KMOD_NUM, true);
  // A second press without a release in between does not count either.
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_SPACE, SDLK_SPACE);
  EXPECT_EQ(KeyDown(32), 1);
  EXPECT_EQ(KeyHit(32), 1);
  EXPECT_EQ(KeyDown(32), 1);
  test::PushKey(SDL_KEYUP, SDL_SCANCODE_SPACE, SDLK_SPACE);
  EXPECT_EQ(KeyDown(32), 0);
  EXPECT_EQ(KeyHit(32), 0);
}

TEST_F(PolledInput, ATerminationRequestIsReportedOnce) {
  EXPECT_EQ(AppTerminate(), 0);
  test::PushWindowEvent(SDL_WINDOWEVENT_CLOSE, 1);
  EXPECT_EQ(AppTerminate(), 1);
  EXPECT_EQ(AppTerminate(), 0);
  test::PushQuit();
  EXPECT_EQ(AppTerminate(), 1);
  EXPECT_EQ(AppTerminate(), 0);
}

TEST_F(PolledInput, SuspendFlushesAndSetsTheFlagUntilResume) {
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a);
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, 1);
  EXPECT_EQ(AppSuspended(), 1);
  EXPECT_EQ(KeyDown('A'), 0);
  EXPECT_EQ(KeyHit('A'), 0);
  test::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED, 1);
  EXPECT_EQ(AppSuspended(), 0);
}

TEST_F(PolledInput, TheCharacterQueueHolds256AndDropsTheRest) {
  for (int i = 0; i < 257; ++i) {
    char text[2] = {static_cast<char>('A' + i % 26), 0};
    test::PushText(text);
  }
  for (int i = 0; i < 256; ++i) ASSERT_EQ(GetChar(), 'A' + i % 26) << i;
  EXPECT_EQ(GetChar(), 0);

  // The ring keeps working past its end.
  for (int round = 0; round < 3; ++round) {
    test::PushText("xy");
    EXPECT_EQ(GetChar(), 'x');
    EXPECT_EQ(GetChar(), 'y');
    EXPECT_EQ(GetChar(), 0);
  }
}

TEST_F(PolledInput, FlushKeysThrowsAwayWaitingInput) {
  test::PushText("q");
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_Q, SDLK_q);
  FlushKeys();
  EXPECT_EQ(GetChar(), 0);
  EXPECT_EQ(KeyHit('Q'), 0);
  EXPECT_EQ(KeyDown('Q'), 0);
}

TEST_F(PolledInput, MouseButtonsPositionAndWheel) {
  test::PushMotion(40, 50);
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 40, 50);
  test::PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 40, 50);
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 40, 50);
  EXPECT_EQ(MouseHit(1), 1);
  EXPECT_EQ(MouseHit(1), 0);
  EXPECT_EQ(MouseDown(1), 0);
  EXPECT_EQ(MouseDown(2), 1);
  EXPECT_EQ(MouseHit(2), 1);
  EXPECT_EQ(MouseX(), 40);
  EXPECT_EQ(MouseY(), 50);

  test::PushWheel(1);
  test::PushWheel(1);
  test::PushWheel(-1);
  EXPECT_EQ(MouseZ(), 1);
  FlushMouse();
  EXPECT_EQ(MouseZ(), 0);
  EXPECT_EQ(MouseDown(2), 0);
  EXPECT_EQ(MouseX(), 40);
  EXPECT_EQ(MouseY(), 50);
}

TEST_F(PolledInput, SpeedsAreTheChangeSinceTheirPreviousCall) {
  test::PushMotion(10, 5);
  EXPECT_EQ(MouseXSpeed(), 10);
  EXPECT_EQ(MouseYSpeed(), 5);
  test::PushMotion(4, 25);
  test::PushWheel(3);
  EXPECT_EQ(MouseXSpeed(), -6);
  EXPECT_EQ(MouseXSpeed(), 0);
  EXPECT_EQ(MouseYSpeed(), 20);
  EXPECT_EQ(MouseZSpeed(), 3);
  EXPECT_EQ(MouseZSpeed(), 0);
}

TEST_F(PolledInput, WithAFilterOnlyEventsOfThatSourceCount) {
  DisablePolledInput();
  Ref<Object> mine = String("mine").AsObject();
  SetSDLWindowSource(7, mine);
  EnablePolledInput(mine);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a, KMOD_NUM, false, 8);
  test::PushText("x", 8);
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 4, 8);
  test::PushWindowEvent(SDL_WINDOWEVENT_CLOSE, 8);
  EXPECT_EQ(KeyDown('A'), 0);
  EXPECT_EQ(GetChar(), 0);
  EXPECT_EQ(MouseDown(1), 0);
  EXPECT_EQ(MouseX(), 0);
  EXPECT_EQ(AppTerminate(), 0);

  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a, KMOD_NUM, false, 7);
  test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 4, 7);
  EXPECT_EQ(KeyDown('A'), 1);
  EXPECT_EQ(MouseHit(1), 1);
  ForgetSDLWindow(7);
}

TEST_F(PolledInput, WhileDisabledTheStateKeepsItsContentsAndQueriesStillPoll) {
  test::PushMotion(12, 13);
  EXPECT_EQ(MouseX(), 12);
  DisablePolledInput();
  test::PushMotion(99, 99);
  test::PushKey(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a);
  EXPECT_EQ(MouseX(), 12);
  EXPECT_EQ(KeyDown('A'), 0);
  EnablePolledInput(nullptr);
  EnablePolledInput(nullptr);  // twice: still one hook, so one hit per press
  test::PushTap(SDL_SCANCODE_A, SDLK_a);
  EXPECT_EQ(KeyHit('A'), 1);
}

TEST_F(PolledInput, KeyCodesAndButtonsOutsideTheArraysAreIgnored) {
  TEvent::Create(EVENT_KEYDOWN, nullptr, 300)->Emit();
  TEvent::Create(EVENT_KEYDOWN, nullptr, -1)->Emit();
  TEvent::Create(EVENT_KEYUP, nullptr, 256)->Emit();
  TEvent::Create(EVENT_MOUSEDOWN, nullptr, 4)->Emit();
  TEvent::Create(EVENT_MOUSEUP, nullptr, -7)->Emit();
  EXPECT_EQ(KeyHit(300), 0);
  EXPECT_EQ(KeyDown(-1), 0);
  EXPECT_EQ(MouseHit(4), 0);
  EXPECT_EQ(MouseDown(-2), 0);
  // Data that is not an event passes the hook untouched.
  Ref<Object> text = String("not an event").AsObject();
  EXPECT_EQ(RunHooks(EmitEventHook, text).get(), text.get());
}

TEST_F(PolledInput, WaitKeyReturnsTheLowestKeyHit) {
  test::PushTap(SDL_SCANCODE_B, SDLK_b);  // flushed by WaitKey
  // Input arriving while it waits; should the wait end between the two, C
  // is still the lowest key hit.
  SDL_AddTimer(
      30,
      [](Uint32, void*) -> Uint32 {
        test::PushTap(SDL_SCANCODE_C, SDLK_c);
        test::PushTap(SDL_SCANCODE_Z, SDLK_z);
        return 0;
      },
      nullptr);
  EXPECT_EQ(WaitKey(), 'C');
}

TEST_F(PolledInput, WaitCharAndWaitMouse) {
  SDL_AddTimer(
      30,
      [](Uint32, void*) -> Uint32 {
        test::PushText("k");
        return 0;
      },
      nullptr);
  EXPECT_EQ(WaitChar(), 'k');
  SDL_AddTimer(
      30,
      [](Uint32, void*) -> Uint32 {
        test::PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 1);
        return 0;
      },
      nullptr);
  EXPECT_EQ(WaitMouse(), 3);
}

// Set in the child that the test below starts from this program: the wait
// to make, whose answer goes to standard output.
constexpr char kWaitChild[] = "TAZMIX_TEST_WAIT_CHILD";

TEST(WaitWithoutGraphics, AnswersZeroAtOnceWithALineInsteadOfWaitingForever) {
  if (const char* env = std::getenv(kWaitChild)) {
    const std::string call = env;
    const int32_t answer = call == "WaitKey" ? WaitKey() : call == "WaitChar" ? WaitChar() : WaitMouse();
    std::printf("\nanswer %d\n", answer);
    std::fflush(stdout);
    std::_Exit(0);
  }
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");
  for (const std::string call : {"WaitKey", "WaitChar", "WaitMouse"}) {
    test::ChildOptions options;
    options.environment = {std::string(kWaitChild) + "=" + call};
    options.timeout_ms = 30000;
    const test::ChildResult r =
        test::RunChild(self, {self, "--gtest_filter=WaitWithoutGraphics.*"}, options);
    ASSERT_FALSE(r.timed_out) << call << " was still waiting after 30 s";
    EXPECT_NE(r.out.find("\nanswer 0\n"), std::string::npos) << call << ": " << r.out;
    EXPECT_NE(r.err.find("tazmix: " + call + "(): no graphics are open, so no input can arrive; 0 was returned\n"),
              std::string::npos)
        << r.err;
  }
}

}  // namespace
}  // namespace tazmix
