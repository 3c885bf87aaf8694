// Message boxes on a machine without a display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "runtime/application.h"
#include "system/local_time.h"
#include "system/system_driver.h"

namespace tazmix {
namespace {

TEST(MessageBoxes, WithoutADisplayTheTextGoesToStandardErrorAndTheAnswerIsCautious) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  InitSystem();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(Notify("Hallo Welt"), 0);
  EXPECT_EQ(Confirm(u"Wirklich löschen?", 1), 0);
  EXPECT_EQ(Proceed("Speichern?"), -1);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Hallo Welt\nWirklich löschen?\nSpeichern?\n");
}

TEST(LocalTime, DateAndTimeFormats) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 8;
  t.tm_hour = 7;
  t.tm_min = 5;
  t.tm_sec = 9;
  EXPECT_EQ(FormatTime(t), String("07:05:09"));
  EXPECT_EQ(FormatDate(t), String("08 Dec 2026"));
  t.tm_mon = 4;
  t.tm_mday = 31;
  EXPECT_EQ(FormatDate(t), String("31 May 2026"));

  EXPECT_EQ(CurrentTime().Length(), 8);
  EXPECT_EQ(CurrentDate().Length(), 11);
}

}  // namespace
}  // namespace tazmix
