// Another program on the same display, for clipboard tests:
//   clipboard_peer get <file>   writes the clipboard's text (UTF-8) to <file>
//   clipboard_peer set <text>   puts <text> (UTF-8) on the clipboard and keeps
//                               answering for it for up to 20 s
#include <cstring>
#include <fstream>
#include <string>

#include "runtime/application.h"
#include "runtime/internal/utf8.h"
#include "system/clipboard.h"
#include "system/system_driver.h"

using namespace tazmix;

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  if (std::strcmp(argv[1], "get") == 0) {
    std::ofstream(argv[2], std::ios::binary) << EncodeUtf8(ClipboardText().Units(), Utf8Pairs::kJoined);
    return 0;
  }
  if (!SetClipboardText(String(DecodeUtf8(argv[2], Utf8Fallback::kReplacement)))) return 1;
  // The owner of the clipboard hands the text over when asked, while it polls.
  for (int32_t waited = 0; waited < 20000; waited += 10) {
    PollSystem();
    Delay(10);
  }
  return 0;
}
