// Finding a path's letter case on a case-sensitive disk.
#pragma once

#include "../runtime/string.h"

namespace tazmix {

// `path` with every component in the letter case it has on disk, or "" when
// some component matches nothing. A path that exists comes back unchanged.
String ResolvePathCase(const String& path);

}  // namespace tazmix
