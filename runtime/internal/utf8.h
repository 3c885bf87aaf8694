// UTF-8: the one decoder and encoder of the library.
//
// Decoding accepts exactly the well-formed sequences: no overlong forms (C0 AF
// is not "/"), no surrogates (ED A0 80), nothing above U+10FFFF (F4 90 80 80).
// What is not well-formed becomes U+FFFD, one for each sequence as its lead
// byte announced it (or for the part of it that arrived, or for a stray byte),
// or, where the caller asks for it, the whole text is read one character per
// byte, so byte data (ISO 8859-1 names, random bytes) never turns into U+FFFD.
// Characters above U+FFFF become surrogate pairs of 16-bit code units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tazmix {

enum class Utf8Pairs {
  kJoined,      // a surrogate pair is its character: four bytes (what the kernel wants)
  kUnitByUnit,  // every 16-bit unit on its own, three bytes for each half of a pair
};

// One sequence at the start of `bytes`: the code point, or kUtf8Invalid, and
// the number of bytes it takes (at least 1 unless `bytes` is empty). A bad
// sequence takes its lead byte and the continuation bytes that followed it,
// up to the length the lead byte announced. With kUnitByUnit a three-byte
// surrogate is read as the unit it spells, the inverse of encoding unit by
// unit; otherwise it is bad.
inline constexpr char32_t kUtf8Invalid = 0xFFFFFFFF;
struct Utf8Sequence {
  char32_t code_point = kUtf8Invalid;
  size_t length = 0;
};
Utf8Sequence DecodeUtf8Sequence(std::string_view bytes, Utf8Pairs pairs = Utf8Pairs::kJoined) noexcept;

// True when the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes) noexcept;

enum class Utf8Fallback {
  kReplacement,  // every bad sequence becomes U+FFFD
  kBytes,        // a text that is not well-formed is read one character per byte
};
std::u16string DecodeUtf8(std::string_view bytes, Utf8Fallback fallback);

// Appends the UTF-8 form of one code point (at most U+10FFFF; a lone
// surrogate takes three bytes like any other unit of 16 bits).
void AppendUtf8(std::string& out, char32_t code_point);

// The UTF-8 form of 16-bit code units. A lone surrogate takes three bytes.
std::string EncodeUtf8(std::u16string_view units, Utf8Pairs pairs);

}  // namespace tazmix
