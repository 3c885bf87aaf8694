/// \file
/// The program's own name on the desktop, and its per-user folder for saves,
/// settings and high scores: the program's folder (the current directory
/// after RunApplication) is read-only once the program is installed.
///
/// \code{.cpp}
/// tazmix::ApplicationName = "vindra";  // before the first window opens
/// tazmix::String dir = tazmix::UserDataDir();  // "/home/anna/.local/share/vindra/"
/// if (!dir.IsEmpty()) tazmix::SaveString(scores, dir + "scores.txt");
/// \endcode
/// \ingroup system
/// \since 1.1
#pragma once

#include "../runtime/string.h"

namespace tazmix {

/// The name the program goes by: the class of its windows (what a desktop
/// entry's StartupWMClass names; read when the window system starts, so set
/// it before the first window opens) and the name of its folder in
/// UserDataDir. "" (at start) stands for the program file's name.
/// \since 1.1
extern String ApplicationName;

/// The name in use.
/// \return ApplicationName, or the program file's name when that is ""
///   ("vindra" for /usr/games/vindra).
/// \since 1.1
String ApplicationNameInUse();

/// The program's folder for the user's own files: $XDG_DATA_HOME/\<name\>/, or
/// ~/.local/share/\<name\>/ when XDG_DATA_HOME is unset, empty or not an
/// absolute path; \<name\> is ApplicationNameInUse(). Made, with the folders
/// above it, whenever it is missing.
/// \return the folder, ending in "/"; "" when it cannot be made (no home
///   folder, no right to write there, a name that is no folder name), with a
///   line such as `UserDataDir("vindra"): can't make the folder ...: Permission denied`
///   or `UserDataDir(".."): the application name is no folder name (set ApplicationName)`.
/// \since 1.1
String UserDataDir();

}  // namespace tazmix
