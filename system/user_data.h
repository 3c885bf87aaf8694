// The program's own name on the desktop, and its per-user folder for saves,
// settings and high scores: the program's folder (the current directory
// after RunApplication) is read-only once the program is installed.
#pragma once

#include "../runtime/string.h"

namespace tazmix {

// The name the program goes by: the class of its windows (what a desktop
// entry's StartupWMClass names; read when the window system starts, so set
// it before the first window opens) and the name of its folder in
// UserDataDir. "" (at start) stands for the program file's name.
extern String ApplicationName;

// ApplicationName, or the program file's name when that is "" ("vindra" for
// /usr/games/vindra).
String ApplicationNameInUse();

// The program's folder for the user's own files, ending in "/":
// $XDG_DATA_HOME/<name>/, or ~/.local/share/<name>/ when XDG_DATA_HOME is
// unset, empty or not an absolute path; <name> is ApplicationNameInUse().
// Made, with the folders above it, whenever it is missing. "" when it cannot
// be made (no home folder, no right to write there, a name that is no folder
// name), with the reason recorded (runtime/error_report.h).
String UserDataDir();

}  // namespace tazmix
