// The one FreeType library handle of the process, shared by the FreeType
// font code. Only font/freetype_*.cpp include this header.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include "runtime/string.h"

namespace tazmix {

// Initialises the library on first use and keeps it for the process's life;
// nullptr when initialisation failed (it is tried again on the next call).
FT_Library FreeTypeLibrary();

// FreeType's own words for an error code ("unknown file format"), for
// failure lines; FreeType keeps them out of its library by default.
String FreeTypeErrorText(FT_Error error);

}  // namespace tazmix
