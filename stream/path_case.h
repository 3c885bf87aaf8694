/// \file
/// Finding a path's letter case on a case-sensitive disk: a game's data named
/// "Sounds/Click.WAV" in its code still loads when the file is sounds/click.wav.
///
/// \code{.cpp}
/// tazmix::String real = tazmix::ResolvePathCase("Sounds/Click.WAV");  // "sounds/click.wav"
/// if (real.IsEmpty()) { /* no such file in any letter case */ }
/// \endcode
/// \ingroup stream
/// \since 1.0
#pragma once

#include "../runtime/string.h"

namespace tazmix {

/// A path in the letter case it has on disk.
/// \param path the path, with "/" separators.
/// \return `path` with every component in the letter case it has on disk, or ""
///   when some component matches nothing. A path that exists comes back
///   unchanged.
/// \since 1.0
String ResolvePathCase(const String& path);

}  // namespace tazmix
