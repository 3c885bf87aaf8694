// File names between Strings and the kernel: UTF-8 on the way in and out.
#pragma once

#include <string>
#include <string_view>

#include "runtime/string.h"

namespace tazmix {

// The kernel form of `path`. False when no file can have that name: it holds
// "<" or ">" (refused on every platform the system runs on, so a name that
// could only exist here stays invisible everywhere) or a NUL, which would cut
// the name short.
bool ToNativePath(const String& path, std::string* out);

// A name from the kernel as a String. Characters beyond 16 bits become
// surrogate pairs and malformed bytes U+FFFD; never raises.
String FromNativeName(std::string_view bytes);

}  // namespace tazmix
