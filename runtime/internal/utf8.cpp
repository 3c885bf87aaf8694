#include "runtime/internal/utf8.h"

namespace tazmix {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendUnits(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
    return;
  }
  cp -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (cp >> 10));
  out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
}

}  // namespace

Utf8Sequence DecodeUtf8Sequence(std::string_view bytes, Utf8Pairs pairs) noexcept {
  if (bytes.empty()) return {};
  const auto lead = static_cast<uint8_t>(bytes[0]);
  if (lead < 0x80) return {lead, 1};
  // The length the lead byte announces; a stray continuation byte or F8..FF
  // announces nothing and stands alone.
  size_t length;
  char32_t cp;
  if ((lead & 0xE0) == 0xC0) length = 2, cp = lead & 0x1F;
  else if ((lead & 0xF0) == 0xE0) length = 3, cp = lead & 0x0F;
  else if ((lead & 0xF8) == 0xF0) length = 4, cp = lead & 0x07;
  else return {kUtf8Invalid, 1};
  size_t i = 1;
  for (; i < length; ++i) {
    if (i >= bytes.size() || (static_cast<uint8_t>(bytes[i]) & 0xC0) != 0x80) return {kUtf8Invalid, i};
    cp = (cp << 6) | (static_cast<uint8_t>(bytes[i]) & 0x3F);
  }
  // A complete sequence still fails when it spells its character in more
  // bytes than needed (C0 AF for "/"), a surrogate, or beyond U+10FFFF.
  static constexpr char32_t kShortestFrom[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool surrogate = cp >= 0xD800 && cp < 0xE000;
  if (cp < kShortestFrom[length] || (surrogate && pairs == Utf8Pairs::kJoined) || cp > 0x10FFFF) {
    return {kUtf8Invalid, length};
  }
  return {cp, length};
}

bool IsValidUtf8(std::string_view bytes) noexcept {
  while (!bytes.empty()) {
    const Utf8Sequence s = DecodeUtf8Sequence(bytes);
    if (s.code_point == kUtf8Invalid) return false;
    bytes.remove_prefix(s.length);
  }
  return true;
}

std::u16string DecodeUtf8(std::string_view bytes, Utf8Fallback fallback) {
  std::u16string out;
  out.reserve(bytes.size());
  if (fallback == Utf8Fallback::kBytes && !IsValidUtf8(bytes)) {
    for (char c : bytes) out += static_cast<char16_t>(static_cast<uint8_t>(c));
    return out;
  }
  while (!bytes.empty()) {
    const Utf8Sequence s = DecodeUtf8Sequence(bytes);
    if (s.code_point == kUtf8Invalid) {
      out += kReplacement;
    } else {
      AppendUnits(out, s.code_point);
    }
    bytes.remove_prefix(s.length);
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string EncodeUtf8(std::u16string_view units, Utf8Pairs pairs) {
  std::string out;
  out.reserve(units.size() * 3);
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t cp = units[i];
    const bool high = cp >= 0xD800 && cp < 0xDC00;
    if (high && pairs == Utf8Pairs::kJoined && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace tazmix
