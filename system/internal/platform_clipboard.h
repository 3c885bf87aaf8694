// The platform's side of system/clipboard.h: UTF-8 text, failures noted
// (runtime/error_report.h).
#pragma once

#include <string>

namespace tazmix {

// False when there is no clipboard to read; `text` is then empty.
bool PlatformClipboardText(std::string& text);
bool PlatformSetClipboardText(const std::string& text);

}  // namespace tazmix
