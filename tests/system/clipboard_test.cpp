// The clipboard on a display of the test's own, between this program and
// another.
#include "system/clipboard.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "runtime/error_report.h"
#include "runtime/internal/utf8.h"
#include "system/system_driver.h"
#include "tests/e2e/x_session.h"

namespace tazmix {
namespace {

using vindra::e2e::Deadline;
using vindra::e2e::Program;
using vindra::e2e::VirtualDisplay;

const std::string kPeer = TAZMIX_TEST_HELPER_DIR "/clipboard_peer";

TEST(Clipboard, TextTravelsAsUtf8BetweenPrograms) {
  VirtualDisplay display;
  ASSERT_TRUE(display.Running()) << "Xvfb did not start";
  // The system starts before the display is named: the session bus that
  // SDL looks for then would otherwise be sought through it.
  InitSystem();
  setenv("DISPLAY", display.Name().c_str(), 1);
  unsetenv("SDL_VIDEODRIVER");

  // Umlauts, and a character beyond 16 bits that travels as one four-byte
  // sequence.
  const std::string text = "Grüße aus Köln, Äpfel & Öl \xF0\x9D\x84\x9E";
  const String ours(DecodeUtf8(text, Utf8Fallback::kReplacement));
  ASSERT_EQ(SetClipboardText(ours), 1) << LastErrorText().ToUTF8String();
  EXPECT_EQ(ClipboardText(), ours);

  // Another program reads it while this one answers.
  tazmix::test::TempFolder folder;
  const std::string file = folder.Path() + "/read";
  {
    Program peer(kPeer, {"get", file}, display);
    const Deadline deadline(15000);
    while (peer.Running() && !deadline.Passed()) {
      PollSystem();
      vindra::e2e::Sleep(5);
    }
    ASSERT_FALSE(peer.Running()) << "the other program did not read the clipboard within 15 s";
  }
  std::stringstream read;
  read << std::ifstream(file, std::ios::binary).rdbuf();
  EXPECT_EQ(read.str(), text);

  // And this one reads what another put there.
  const std::string theirs = "Bücher über Übermut";
  Program peer(kPeer, {"set", theirs}, display);
  const Deadline deadline(15000);
  while (ClipboardText() != String(theirs) && !deadline.Passed()) vindra::e2e::Sleep(20);
  EXPECT_EQ(ClipboardText(), String(theirs));
}

TEST(Clipboard, WithoutADisplayTheAnswerIsEmptyWithTheReason) {
  InitSystem();
  setenv("DISPLAY", ":65000", 1);
  setenv("WAYLAND_DISPLAY", "none", 1);
  unsetenv("SDL_VIDEODRIVER");
  SetErrorEcho(false);
  EXPECT_EQ(SetClipboardText("x"), 0);
  EXPECT_EQ(LastErrorText().Left(58), String("SetClipboardText(1 character): no display to open a window"));
  EXPECT_EQ(ClipboardText(), String());
  EXPECT_EQ(LastErrorText().Left(47), String("ClipboardText(): no display to open a window on"));
  SetErrorEcho(true);
}

}  // namespace
}  // namespace tazmix
