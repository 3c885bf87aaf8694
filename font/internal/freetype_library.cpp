#include "font/internal/freetype_library.h"

namespace tazmix {

FT_Library FreeTypeLibrary() {
  static FT_Library library = nullptr;
  if (!library && FT_Init_FreeType(&library) != 0) library = nullptr;
  return library;
}

}  // namespace tazmix
