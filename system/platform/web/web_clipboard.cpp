// A page has no clipboard it may use as the library's calls do: the
// browser's is reached only by promises, and only while the user acts, so
// both calls answer their failure.
#include "runtime/error_report.h"
#include "system/internal/platform_clipboard.h"

namespace tazmix {

bool PlatformClipboardText(std::string& text) {
  text.clear();
  NoteFailure("a page reads the clipboard only while the user pastes");
  return false;
}

bool PlatformSetClipboardText(const std::string&) {
  NoteFailure("a page writes the clipboard only while the user acts");
  return false;
}

}  // namespace tazmix
