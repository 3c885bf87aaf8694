/// \file
/// String: immutable text of 16-bit code units with value semantics.
///
/// A String is a cheap handle over a shared, immutable TStringObject. Because the
/// buffer is an Object, a String can be stored wherever an Object is expected
/// (a list element, a thrown object, an event's extra) and compares by content
/// there. String variables start empty, never Null; the empty String is one
/// shared object.
///
/// Narrow texts (`const char*`, std::string, literals) are read as UTF-8, so
/// "Grüße" from a UTF-8 source file is the same String as u"Grüße". Bytes that
/// are not well-formed UTF-8 keep one character each (ISO 8859-1), so byte
/// data never turns into U+FFFD. Texts whose bytes must stay bytes whatever
/// they look like (file formats, arguments, stream text) go through
/// FromCString and FromBytes, which are always one character per byte.
/// u8"Grüße" literals are read the same way.
///
/// Numbers join texts directly: String("Punkte: ") + score, or score +
/// String(" Punkte"), gives the text that FromInt, FromLong, FromFloat or
/// FromDouble gives for the number's type. Characters and bools are not
/// numbers here: String("a") + 'b' does not compile.
///
/// \code{.cpp}
/// tazmix::String name = "Grüße";
/// tazmix::String line = tazmix::String("Punkte: ") + 120;  // "Punkte: 120"
/// std::vector<tazmix::String> words = tazmix::String("a b  c").Split("");  // a, b, c
/// int32_t n = tazmix::String(" 42 Äpfel").ToInt();  // 42
/// std::cout << name.ToUpper() << "\n";  // "GRÜßE": one unit for one unit
/// \endcode
/// \ingroup runtime
/// \since 1.0
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

/// The number types that join Strings: integers up to 64 bits (unsigned ones
/// up to 32), float and double; not bool and not the character types.
/// \since 1.1
template <class N>
concept StringNumber =
    std::same_as<N, float> || std::same_as<N, double> ||
    (std::integral<N> && !std::same_as<N, bool> && !std::same_as<N, char> && !std::same_as<N, wchar_t> &&
     !std::same_as<N, char8_t> && !std::same_as<N, char16_t> && !std::same_as<N, char32_t> &&
     (std::is_signed_v<N> ? sizeof(N) <= 8 : sizeof(N) <= 4));

/// The shared buffer behind a String: what a String is when stored as an Object.
/// \since 1.0
class TStringObject final : public Object {
 public:
  /// A buffer holding `units`. \param units the code units. \since 1.0
  explicit TStringObject(std::u16string units) : units_(std::move(units)) {}

  /// \return the code units. \since 1.0
  const std::u16string& Units() const noexcept { return units_; }

  /// \return the String this buffer holds. \since 1.0
  String ToString() const override;
  /// Unit by unit against another String; identity against anything else.
  /// \param other the other object.
  /// \return as String::Compare for a String, as Object::Compare otherwise.
  /// \since 1.0
  int32_t Compare(const Object* other) const override;

 private:
  const std::u16string units_;
};

/// Immutable text of 16-bit code units with value semantics (see the file
/// overview). Every constructor taking a pointer treats nullptr as "".
/// \since 1.0
class String {
 public:
  /// The empty String. \since 1.0
  String();
  /// From UTF-8 text; bytes that are not well-formed UTF-8 keep one character
  /// each. \param utf8 NUL-terminated text, or nullptr for "". \since 1.0
  String(const char* utf8);
  /// From UTF-8 text (see String(const char*)). \param utf8 the text. \since 1.0
  String(const std::string& utf8);
  /// From UTF-8 text (see String(const char*)). \param utf8 the text. \since 1.0
  String(std::string_view utf8);
  /// From code units. \param units NUL-terminated units, or nullptr for "". \since 1.0
  String(const char16_t* units);
  /// From code units. \param units the units. \since 1.0
  String(std::u16string units);
  /// From code units. \param units the units. \since 1.0
  String(std::u16string_view units);
  /// From a u8"" literal, read as String(const char*) reads text.
  /// \param utf8 NUL-terminated text, or nullptr for "". \since 1.1
  String(const char8_t* utf8);
  /// From UTF-8 text (see String(const char*)). \param utf8 the text. \since 1.1
  String(const std::u8string& utf8);
  /// From UTF-8 text (see String(const char*)). \param utf8 the text. \since 1.1
  String(std::u8string_view utf8);
  /// The String a buffer holds. \param rep the buffer; Null gives "". \since 1.0
  explicit String(Ref<TStringObject> rep);

  // --- the language-level operations -------------------------------------
  /// \return the number of code units. \since 1.0
  int32_t Length() const noexcept { return static_cast<int32_t>(rep_->Units().size()); }
  /// \return true for "". \since 1.0
  bool IsEmpty() const noexcept { return rep_->Units().empty(); }
  /// The code unit at `index`; callers keep the index in range.
  /// \param index 0 to Length() - 1.
  /// \return the unit.
  /// \since 1.0
  char16_t operator[](int32_t index) const noexcept { return rep_->Units()[static_cast<size_t>(index)]; }
  /// \return the code units, NUL-terminated. \since 1.0
  const char16_t* Data() const noexcept { return rep_->Units().data(); }
  /// \return the code units. \since 1.0
  const std::u16string& Units() const noexcept { return rep_->Units(); }
  /// \return the code units as a view, valid while this String lives. \since 1.0
  std::u16string_view View() const noexcept { return rep_->Units(); }

  /// s[a..b]: exactly b - a units, positions outside the text read as spaces.
  /// \param a the first position.
  /// \param b the position after the last.
  /// \return the slice; "" when b <= a or when b - a is above 2^31 - 1, the most
  ///   units a String can hold.
  /// \since 1.0
  String Slice(int32_t a, int32_t b) const;
  /// \param n the number of units. \return the first n units, padded with
  ///   spaces past the end (see Slice). \since 1.0
  String Left(int32_t n) const { return Slice(0, n); }
  /// \param n the number of units. \return the last n units, padded with
  ///   spaces before the start (see Slice). \since 1.0
  String Right(int32_t n) const { return Slice(Length() - n, Length()); }
  /// Orders two texts unit by unit.
  /// \param other the other text.
  /// \return the difference of the first differing units, else of the lengths.
  /// \since 1.0
  int32_t Compare(const String& other) const noexcept;

  /// Joins two texts. \param a, b the texts. \return a followed by b. \since 1.0
  friend String operator+(const String& a, const String& b);
  /// Appends a text. \param b the text. \return this String. \since 1.0
  String& operator+=(const String& b) { return *this = *this + b; }
  /// \param a, b the texts. \return true when they hold the same units. \since 1.0
  friend bool operator==(const String& a, const String& b) noexcept { return a.Compare(b) == 0; }
  /// \param a, b the texts. \return their order, as Compare gives it. \since 1.0
  friend std::strong_ordering operator<=>(const String& a, const String& b) noexcept {
    return a.Compare(b) <=> 0;
  }

  // --- the String class's operations --------------------------------------
  /// Finds a text, searching forwards.
  /// \param sub the text to find.
  /// \param start the position to search from; below 0 counts as 0.
  /// \return the position of the first occurrence at or after start, or -1.
  /// \since 1.0
  int32_t Find(const String& sub, int32_t start = 0) const;
  /// Finds a text, searching backwards.
  /// \param sub the text to find.
  /// \param start how many units at the end to skip: the search begins at
  ///   position Length() - start.
  /// \return the position of the last occurrence found, or -1.
  /// \since 1.0
  int32_t FindLast(const String& sub, int32_t start = 0) const;
  /// \return the text without the units below 33 (spaces and control
  ///   characters) at either end. \since 1.0
  String Trim() const;
  /// Replaces every occurrence of a text, left to right.
  /// \param find the text to replace; "" changes nothing.
  /// \param with its replacement.
  /// \return the new text.
  /// \since 1.0
  String Replace(const String& find, const String& with) const;
  /// \return the text in lower case: ASCII and the letters of the generated
  ///   tables, one unit for one unit, so the length never changes. \since 1.0
  String ToLower() const;
  /// \return the text in upper case, one unit for one unit ("ß" stays "ß"). \since 1.0
  String ToUpper() const;
  /// The Int at the start of the text: blanks, one sign, then decimal digits,
  /// "$" and hexadecimal digits or "%" and binary digits; reading stops at the
  /// first unit that does not fit.
  /// \return the number, wrapped to 32 bits; 0 when nothing fits.
  /// \since 1.0
  int32_t ToInt() const;
  /// As ToInt, for 64 bits. \return the number; 0 when nothing fits. \since 1.0
  int64_t ToLong() const;
  /// As ToDouble, rounded to a Float. \return the number; 0 when nothing fits. \since 1.0
  float ToFloat() const;
  /// The decimal number at the start of the text: blanks, one sign, digits
  /// with one optional point and an optional exponent. No hexadecimal, no
  /// "inf" or "nan": no text turns into a NaN.
  /// \return the number; 0 when nothing fits; an infinity of its sign beyond
  ///   the range of a double, 0 below it.
  /// \since 1.0
  double ToDouble() const;
  // NUL-terminated forms for platform calls; the returned value owns the text.
  /// \return the low byte of every unit. \since 1.0
  std::string ToCString() const;
  /// \return the units themselves. \since 1.0
  std::u16string ToWString() const;
  /// \return the text as UTF-8, surrogates encoded one by one (FromUTF8String
  ///   reads them back). \since 1.0
  std::string ToUTF8String() const;
  /// \param sub the text. \return 1 when this text starts with it, else 0. \since 1.0
  int32_t StartsWith(const String& sub) const;
  /// \param sub the text. \return 1 when this text ends with it, else 0. \since 1.0
  int32_t EndsWith(const String& sub) const;
  /// \param sub the text. \return 1 when this text holds it, else 0. \since 1.0
  int32_t Contains(const String& sub) const;
  /// Cuts the text at a separator.
  /// \param separator the separator; "" splits at runs of units up to 32
  ///   (spaces and control characters) and drops empty pieces.
  /// \return the pieces; with a separator, one more than its occurrences
  ///   (empty pieces kept).
  /// \since 1.0
  std::vector<String> Split(const String& separator) const;
  /// Joins pieces with this text between them.
  /// \param pieces the texts to join.
  /// \return the joined text; "" for no pieces.
  /// \since 1.0
  String Join(const std::vector<String>& pieces) const;

  /// \param n the number. \return its decimal text, as "-12". \since 1.0
  static String FromInt(int32_t n);
  /// \param n the number. \return its decimal text. \since 1.0
  static String FromLong(int64_t n);
  /// \param f the number. \return its text with nine significant digits and
  ///   always a point, as printf's "%#.9g" gives it ("1.50000000"). \since 1.0
  static String FromFloat(float f);
  /// \param d the number. \return its text with seventeen significant digits
  ///   and always a point ("%#.17g"). \since 1.0
  static String FromDouble(double d);
  /// FromInt for integers that fit an Int, FromLong for wider ones,
  /// FromFloat for float and FromDouble for double.
  /// \param n the number.
  /// \return its text.
  /// \since 1.1
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
  /// One character per byte, whatever the bytes look like.
  /// \param text NUL-terminated bytes, or nullptr.
  /// \return the String; "" for nullptr.
  /// \since 1.0
  static String FromCString(const char* text);
  /// \param text NUL-terminated units, or nullptr. \return the String; "" for nullptr. \since 1.0
  static String FromWString(const char16_t* text);
  /// Exactly `count` bytes, one character each.
  /// \param bytes the bytes.
  /// \param count how many.
  /// \return the String; "" for a count of 0 or less or no bytes.
  /// \since 1.0
  static String FromBytes(const uint8_t* bytes, int32_t count);
  /// Exactly `count` code units.
  /// \param units the units.
  /// \param count how many.
  /// \return the String; "" for a count of 0 or less or no units.
  /// \since 1.0
  static String FromShorts(const char16_t* units, int32_t count);
  /// Strict UTF-8: a malformed or overlong sequence becomes U+FFFD. A
  /// surrogate written on its own (as ToUTF8String writes the halves of a
  /// pair) comes back as that unit, so the two conversions are inverses.
  /// \param text NUL-terminated UTF-8, or nullptr for "".
  /// \return the String.
  /// \throws Thrown carrying the runtime error "Unicode character out of UCS-2
  ///   range" for a code point beyond 16 bits.
  /// \since 1.0
  static String FromUTF8String(const char* text);
  /// As FromUTF8String(const char*).
  /// \param text UTF-8 text.
  /// \return the String.
  /// \throws Thrown carrying the runtime error "Unicode character out of UCS-2
  ///   range" for a code point beyond 16 bits.
  /// \since 1.0
  static String FromUTF8String(std::string_view text);

  // --- bridging to the object world ----------------------------------------
  /// \return the shared buffer, to store the String where an Object goes. \since 1.0
  Ref<TStringObject> AsObject() const noexcept { return rep_; }
  /// Whether an object is a String buffer.
  /// \param object any object, or nullptr.
  /// \param out receives the String when it is one; may be nullptr.
  /// \return true when `object` is a String buffer.
  /// \since 1.0
  static bool FromObject(const Object* object, String* out);

 private:
  Ref<TStringObject> rep_;
};

/// Joins a text and a number. \param text the text. \param n the number.
/// \return text followed by String::FromNumber(n). \since 1.1
template <StringNumber N>
String operator+(const String& text, N n) {
  return text + String::FromNumber(n);
}
/// Joins a number and a text. \param n the number. \param text the text.
/// \return String::FromNumber(n) followed by text. \since 1.1
template <StringNumber N>
String operator+(N n, const String& text) {
  return String::FromNumber(n) + text;
}
/// Appends a number. \param text the text. \param n the number.
/// \return `text`. \since 1.1
template <StringNumber N>
String& operator+=(String& text, N n) {
  return text += String::FromNumber(n);
}

/// Writes the text as UTF-8 (a surrogate pair as its one character).
/// \param out the stream.
/// \param text the text.
/// \return `out`.
/// \since 1.1
std::ostream& operator<<(std::ostream& out, const String& text);

/// The Float to Int conversion shared by the String operations and callers:
/// truncates toward zero.
/// \param value the number.
/// \return the Int; NaN and values outside the 32-bit range give -2147483648.
/// \since 1.0
int32_t FloatToInt(double value) noexcept;

}  // namespace tazmix

/// Strings as keys of unordered containers, hashed by their units. \since 1.0
template <>
struct std::hash<tazmix::String> {
  /// \param s the text. \return its hash. \since 1.0
  size_t operator()(const tazmix::String& s) const noexcept {
    return std::hash<std::u16string_view>()(s.View());
  }
};
