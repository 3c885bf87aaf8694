#include "system/clipboard.h"

#include "runtime/error_report.h"
#include "runtime/internal/utf8.h"
#include "system/internal/platform_clipboard.h"

namespace tazmix {

String ClipboardText() {
  FailureScope scope("ClipboardText", String());
  std::string bytes;
  if (!PlatformClipboardText(bytes)) {
    scope.Fail("the clipboard can't be read");
    return String();
  }
  // Another program's text: what is not UTF-8 becomes U+FFFD, never an error.
  return String(DecodeUtf8(bytes, Utf8Fallback::kReplacement));
}

int32_t SetClipboardText(const String& text) {
  const int32_t length = text.Length();
  FailureScope scope("SetClipboardText", String::FromInt(length) + (length == 1 ? " character" : " characters"));
  // Characters beyond 16 bits go out as one four-byte sequence, as other
  // programs read them.
  if (PlatformSetClipboardText(EncodeUtf8(text.Units(), Utf8Pairs::kJoined))) return 1;
  scope.Fail("the clipboard can't be written");
  return 0;
}

}  // namespace tazmix
