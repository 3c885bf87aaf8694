#include "stream/internal/native_path.h"

#include "runtime/internal/utf8.h"

namespace tazmix {

bool ToNativePath(const String& path, std::string* out) {
  for (char16_t unit : path.View()) {
    if (unit == 0 || unit == '<' || unit == '>') return false;
  }
  *out = EncodeUtf8(path.View(), Utf8Pairs::kJoined);
  return true;
}

String FromNativeName(std::string_view bytes) { return String(DecodeUtf8(bytes, Utf8Fallback::kBytes)); }

}  // namespace tazmix
