// What a page cannot do answers as the library's calls document their
// failures, and a program that calls them still links for the web.
#include <gtest/gtest.h>

#include "audio/music.h"
#include "runtime/error_report.h"
#include "system/clipboard.h"
#include "system/gamepad.h"
#include "system/user_data.h"

namespace tazmix {
namespace {

TEST(PageLimits, ClipboardPadsAndUserFilesFailAsDocumented) {
  EXPECT_EQ(SetClipboardText("x"), 0);
  EXPECT_EQ(LastErrorText(), "SetClipboardText(1 character): a page writes the clipboard only while the user acts");
  EXPECT_EQ(ClipboardText(), String());
  EXPECT_EQ(LastErrorText(), "ClipboardText(): a page reads the clipboard only while the user pastes");
  EXPECT_EQ(PadRumble(0, 1.0f, 1.0f, 100), 0);
  // Under node for want of the Gamepad API, on a page for want of a pad.
  EXPECT_EQ(LastErrorText().Left(14), "PadRumble(0): ");
  // No program file names the page.
  EXPECT_EQ(ApplicationNameInUse(), String());
  ApplicationName = "game";
  EXPECT_EQ(UserDataDir(), String());
  EXPECT_EQ(LastErrorText(), "UserDataDir(\"game\"): a page keeps no files between visits");
  ApplicationName = String();
}

// Under node there is no Web Audio: the music calls find no graph and must
// not reach for one.
TEST(PageLimits, MusicCallsWithoutAudioDoNothing) {
  StopMusic(100);
  PauseMusic();
  ResumeMusic();
  SetMusicVolume(0.5f);
  EXPECT_FALSE(MusicPlaying());
}

}  // namespace
}  // namespace tazmix
