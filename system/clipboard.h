/// \file
/// Text on the desktop's clipboard, shared with other programs. Both calls
/// need the window system, and start it when no window has yet.
///
/// \code{.cpp}
/// if (tazmix::KeyDown(tazmix::KEY_LCONTROL) && tazmix::KeyHit(tazmix::KEY_V)) name += tazmix::ClipboardText();
/// tazmix::SetClipboardText("Vindra! seed 1234");
/// \endcode
/// \ingroup system
/// \since 1.1
#pragma once

#include <cstdint>

#include "../runtime/string.h"

namespace tazmix {

/// The clipboard's text. Another program's text that is not UTF-8 becomes
/// U+FFFD, never an error.
/// \return the text; "" when the clipboard holds none, and "" with a line
///   (`ClipboardText(): ...`, the window system's reason) when there is no
///   window system.
/// \since 1.1
String ClipboardText();
/// Puts a text on the clipboard, where it stays while the program runs.
/// \param text the text; characters beyond 16 bits (surrogate pairs) go out
///   as one character, as other programs read them.
/// \return 1 when done; 0 with a line such as
///   `SetClipboardText(5 characters): ...` saying why.
/// \since 1.1
int32_t SetClipboardText(const String& text);

}  // namespace tazmix
