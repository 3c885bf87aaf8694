// File and folder requesters through a dialog program (zenity, else kdialog)
// run as a child process.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runtime/string.h"

namespace tazmix {

enum class DialogProgram { kZenity, kKDialog };

// The full path of the first of "zenity", "kdialog" found on PATH, with its
// kind; an empty path when neither is there.
std::string FindDialogProgram(DialogProgram* kind);

// The arguments (without the program name) of a file requester: title, open
// or save, the initial folder and name of `path`, the filter groups with the
// group selected at start listed first (the dialog programs select the
// first).
std::vector<std::string> FileDialogArguments(DialogProgram kind, const String& title, const String& filter,
                                             bool save, const String& path);
// The arguments of a folder requester opened at `folder`.
std::vector<std::string> DirDialogArguments(DialogProgram kind, const String& title, const String& folder);

// Runs the program and returns the one line it prints, or "" when it cannot
// start, fails or the user cancelled. `idle` runs about ten times a second
// while the dialog is open.
String RunDialogProgram(const std::string& program, const std::vector<std::string>& args,
                        const std::function<void()>& idle = {});

}  // namespace tazmix
