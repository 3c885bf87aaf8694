#include "font/internal/freetype_library.h"

namespace tazmix {

namespace {

// FreeType's error list, expanded into a table of codes and texts the way
// its error header is made to be used.
struct ErrorText {
  int code;
  const char* text;
};

#undef FTERRORS_H_
#define FT_ERRORDEF(e, v, s) {v, s},
#define FT_ERROR_START_LIST {
#define FT_ERROR_END_LIST {0, nullptr}};
constexpr ErrorText kErrorTexts[] =
#include FT_ERRORS_H

}  // namespace

FT_Library FreeTypeLibrary() {
  static FT_Library library = nullptr;
  if (!library && FT_Init_FreeType(&library) != 0) library = nullptr;
  return library;
}

String FreeTypeErrorText(FT_Error error) {
  for (const ErrorText& entry : kErrorTexts) {
    if (entry.text && entry.code == (error & 0xFF)) return String::FromUTF8String(entry.text);
  }
  return "error " + String::FromInt(error);
}

}  // namespace tazmix
