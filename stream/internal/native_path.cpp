#include "stream/internal/native_path.h"

namespace tazmix {

bool ToNativePath(const String& path, std::string* out) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(path.Length()));
  const int32_t n = path.Length();
  for (int32_t i = 0; i < n; ++i) {
    uint32_t cp = path[i];
    if (cp == 0 || cp == '<' || cp == '>') return false;
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < n && path[i + 1] >= 0xDC00 && path[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (path[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      bytes += static_cast<char>(cp);
    } else if (cp < 0x800) {
      bytes += static_cast<char>(0xC0 | (cp >> 6));
      bytes += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      bytes += static_cast<char>(0xE0 | (cp >> 12));
      bytes += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (cp >> 18));
      bytes += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  *out = std::move(bytes);
  return true;
}

String FromNativeName(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size());
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    int extra;
    uint32_t cp, min;
    if (b < 0x80) { cp = b; extra = 0; min = 0; }
    else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; extra = 1; min = 0x80; }
    else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; extra = 2; min = 0x800; }
    else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; extra = 3; min = 0x10000; }
    else { units += u'\uFFFD'; ++i; continue; }
    size_t j = 1;
    for (; j <= static_cast<size_t>(extra) && i + j < n; ++j) {
      const auto c = static_cast<uint8_t>(bytes[i + j]);
      if ((c & 0xC0) != 0x80) break;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (j != static_cast<size_t>(extra) + 1 || cp < min || cp > 0x10FFFF) {
      units += u'\uFFFD';
      i += j;
      continue;
    }
    i += j;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      units += static_cast<char16_t>(0xD800 + (cp >> 10));
      units += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      units += static_cast<char16_t>(cp);
    }
  }
  return String(std::move(units));
}

}  // namespace tazmix
