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

// A name from the kernel as a String: UTF-8, with characters beyond 16 bits
// as surrogate pairs; a name that is not UTF-8 (an ISO 8859-1 name from an
// old disk) keeps one character per byte. Never raises.
String FromNativeName(std::string_view bytes);

}  // namespace tazmix
