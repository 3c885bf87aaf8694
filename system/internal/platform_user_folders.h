// The platform's side of system/user_data.h.
#pragma once

#include "runtime/string.h"

namespace tazmix {

// The program file's name as the platform knows it; "" when it cannot tell.
String PlatformProgramFileName();

// The folder `name` (a single folder name) in the user's data folder, made
// with the folders above it when missing; its path ends in "/". "" with the
// reason noted (runtime/error_report.h) when it cannot be had.
String PlatformUserDataDir(const String& name);

}  // namespace tazmix
