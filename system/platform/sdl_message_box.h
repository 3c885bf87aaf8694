// Modal message boxes on SDL, titled with the application's title.
#pragma once

#include <cstdint>

#include "runtime/string.h"

namespace tazmix {

enum class MessageBoxButtons { kOk, kOkCancel, kYesNoCancel };

// Shows the box (warning icon when `serious`, else information) owned by the
// window that has the keyboard focus, and returns: kOk 0; kOkCancel 1 for OK,
// else 0; kYesNoCancel 1 Yes, 0 No, -1 Cancel or closed. Without a display
// the text goes to standard error and the cautious answer comes back (0, 0,
// -1).
int32_t ShowMessageBox(const String& title, const String& text, int32_t serious, MessageBoxButtons buttons);

// The box of the processor-exception reporter: "Windows exception" with the
// exception's name and an OK button. Runs inside a signal handler, so it
// allocates nothing of its own; without a display it does nothing (the
// reporter has written the name to standard error already).
void ShowCrashMessageBox(const char* name);

}  // namespace tazmix
