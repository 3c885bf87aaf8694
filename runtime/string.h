// String: immutable text of 16-bit code units with value semantics.
//
// A String is a cheap handle over a shared, immutable StringObject. Because the
// buffer is an Object, a String can be stored wherever an Object is expected
// (a list element, a thrown object, an event's extra) and compares by content
// there. String variables start empty, never Null; the empty String is one
// shared object.
//
// Narrow texts (`const char*`, std::string, literals) are read as UTF-8, so
// "Grüße" from a UTF-8 source file is the same String as u"Grüße". Bytes that
// are not well-formed UTF-8 keep one character each (ISO 8859-1), so byte
// data never turns into U+FFFD. Texts whose bytes must stay bytes whatever
// they look like (file formats, arguments, stream text) go through
// FromCString and FromBytes, which are always one character per byte.
// u8"Grüße" literals are read the same way.
//
// Numbers join texts directly: String("Punkte: ") + score, or score +
// String(" Punkte"), gives the text that FromInt, FromLong, FromFloat or
// FromDouble gives for the number's type. Characters and bools are not
// numbers here: String("a") + 'b' does not compile.
#pragma once

#include <concepts>
#include <cstdint>
#include <compare>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "object.h"

namespace tazmix {

// The number types that join Strings: integers up to 64 bits (unsigned ones
// up to 32), float and double; not bool and not the character types.
template <class N>
concept StringNumber =
    std::same_as<N, float> || std::same_as<N, double> ||
    (std::integral<N> && !std::same_as<N, bool> && !std::same_as<N, char> && !std::same_as<N, wchar_t> &&
     !std::same_as<N, char8_t> && !std::same_as<N, char16_t> && !std::same_as<N, char32_t> &&
     (std::is_signed_v<N> ? sizeof(N) <= 8 : sizeof(N) <= 4));

// The shared buffer behind a String.
class StringObject final : public Object {
 public:
  explicit StringObject(std::u16string units) : units_(std::move(units)) {}

  const std::u16string& Units() const noexcept { return units_; }

  String ToString() const override;
  // Unit by unit against another String; identity against anything else.
  int32_t Compare(const Object* other) const override;

 private:
  const std::u16string units_;
};

class String {
 public:
  String();
  String(const char* utf8);
  String(const std::string& utf8);
  String(std::string_view utf8);
  String(const char16_t* units);
  String(std::u16string units);
  String(std::u16string_view units);
  String(const char8_t* utf8);
  String(const std::u8string& utf8);
  String(std::u8string_view utf8);
  explicit String(Ref<StringObject> rep);

  // --- the language-level operations -------------------------------------
  int32_t Length() const noexcept { return static_cast<int32_t>(rep_->Units().size()); }
  bool IsEmpty() const noexcept { return rep_->Units().empty(); }
  // The code unit at `index`; callers keep the index in range.
  char16_t operator[](int32_t index) const noexcept { return rep_->Units()[static_cast<size_t>(index)]; }
  const char16_t* Data() const noexcept { return rep_->Units().data(); }
  const std::u16string& Units() const noexcept { return rep_->Units(); }
  std::u16string_view View() const noexcept { return rep_->Units(); }

  // s[a..b]: exactly b - a units, positions outside the text read as spaces;
  // "" when b - a is above 2^31 - 1, the most units a String can hold.
  String Slice(int32_t a, int32_t b) const;
  String Left(int32_t n) const { return Slice(0, n); }
  String Right(int32_t n) const { return Slice(Length() - n, Length()); }
  // Difference of the first differing units, else of the lengths.
  int32_t Compare(const String& other) const noexcept;

  friend String operator+(const String& a, const String& b);
  String& operator+=(const String& b) { return *this = *this + b; }
  friend bool operator==(const String& a, const String& b) noexcept { return a.Compare(b) == 0; }
  friend std::strong_ordering operator<=>(const String& a, const String& b) noexcept {
    return a.Compare(b) <=> 0;
  }

  // --- the String class's operations --------------------------------------
  int32_t Find(const String& sub, int32_t start = 0) const;
  int32_t FindLast(const String& sub, int32_t start = 0) const;
  String Trim() const;
  String Replace(const String& find, const String& with) const;
  String ToLower() const;
  String ToUpper() const;
  int32_t ToInt() const;
  int64_t ToLong() const;
  float ToFloat() const;
  double ToDouble() const;
  // NUL-terminated forms for platform calls; the returned value owns the text.
  std::string ToCString() const;      // low byte of every unit
  std::u16string ToWString() const;   // the units themselves
  std::string ToUTF8String() const;   // UTF-8, surrogates encoded one by one
  int32_t StartsWith(const String& sub) const;
  int32_t EndsWith(const String& sub) const;
  int32_t Contains(const String& sub) const;
  std::vector<String> Split(const String& separator) const;
  String Join(const std::vector<String>& pieces) const;

  static String FromInt(int32_t n);
  static String FromLong(int64_t n);
  static String FromFloat(float f);
  static String FromDouble(double d);
  // FromInt for integers that fit an Int, FromLong for wider ones,
  // FromFloat for float and FromDouble for double.
  template <StringNumber N>
  static String FromNumber(N n) {
    if constexpr (std::same_as<N, float>) {
      return FromFloat(n);
    } else if constexpr (std::same_as<N, double>) {
      return FromDouble(n);
    } else if constexpr (std::is_signed_v<N> ? sizeof(N) <= 4 : sizeof(N) < 4) {
      return FromInt(static_cast<int32_t>(n));
    } else {
      return FromLong(static_cast<int64_t>(n));
    }
  }
  static String FromCString(const char* text);
  static String FromWString(const char16_t* text);
  // Exactly `count` bytes or units; "" for a count of 0 or less or no memory.
  static String FromBytes(const uint8_t* bytes, int32_t count);
  static String FromShorts(const char16_t* units, int32_t count);
  // Raises the runtime error "Unicode character out of UCS-2 range" for a code
  // point beyond 16 bits; a malformed or overlong sequence becomes U+FFFD. A
  // surrogate written on its own (as ToUTF8String writes the halves of a
  // pair) comes back as that unit, so the two conversions are inverses.
  static String FromUTF8String(const char* text);
  static String FromUTF8String(std::string_view text);

  // --- bridging to the object world ----------------------------------------
  Ref<StringObject> AsObject() const noexcept { return rep_; }
  // True when `object` is a String buffer; `out` then receives it.
  static bool FromObject(const Object* object, String* out);

 private:
  Ref<StringObject> rep_;
};

template <StringNumber N>
String operator+(const String& text, N n) {
  return text + String::FromNumber(n);
}
template <StringNumber N>
String operator+(N n, const String& text) {
  return String::FromNumber(n) + text;
}
template <StringNumber N>
String& operator+=(String& text, N n) {
  return text += String::FromNumber(n);
}

// Writes the text as UTF-8 (a surrogate pair as its one character).
std::ostream& operator<<(std::ostream& out, const String& text);

// Int and Float conversions shared by the String operations and callers.
// Float to Int truncates toward zero; NaN and values outside the 32-bit range
// give -2147483648.
int32_t FloatToInt(double value) noexcept;

}  // namespace tazmix

template <>
struct std::hash<tazmix::String> {
  size_t operator()(const tazmix::String& s) const noexcept {
    return std::hash<std::u16string_view>()(s.View());
  }
};
