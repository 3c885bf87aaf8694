// Text on the desktop's clipboard, shared with other programs. Both calls
// need the window system, and start it when no window has yet.
#pragma once

#include <cstdint>

#include "../runtime/string.h"

namespace tazmix {

// The clipboard's text; "" when it holds none, and "" with the reason
// recorded (runtime/error_report.h) when there is no window system.
String ClipboardText();
// Puts `text` on the clipboard, where it stays while the program runs.
// 1 when done; 0 with the reason recorded.
int32_t SetClipboardText(const String& text);

}  // namespace tazmix
