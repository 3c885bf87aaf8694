// Conversions between numbers and text.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "runtime/internal/portable_std.h"
#include "runtime/string.h"

namespace tazmix {

namespace {

// Blanks, one sign, then "%" binary, "$" hexadecimal or decimal digits; stops
// at the first unit that does not fit. Wraps instead of checking overflow.
uint64_t ParseInteger(const String& s, bool* negative) {
  int32_t i = 0;
  const int32_t n = s.Length();
  while (i < n && s[i] <= 32) ++i;
  *negative = false;
  if (i < n && (s[i] == u'+' || s[i] == u'-')) *negative = s[i++] == u'-';
  unsigned base = 10;
  if (i < n && s[i] == u'%') { base = 2; ++i; }
  else if (i < n && s[i] == u'$') { base = 16; ++i; }
  uint64_t value = 0;
  for (; i < n; ++i) {
    const char16_t c = s[i];
    unsigned digit;
    if (c >= u'0' && c <= u'9') digit = c - u'0';
    else if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    else break;
    if (digit >= base) break;
    value = value * base + digit;
  }
  return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks the standard conversion skips: space, tab, LF, VT, FF, CR.
bool IsBlank(char c) { return c == ' ' || (c >= 9 && c <= 13); }

// The text reduced to 8 bits (the low byte of each unit), then read in the
// decimal form only: blanks, one sign, digits with one optional point, and an
// optional exponent ("e" or "E", a sign, digits); reading stops at the first
// byte that does not fit, and 0 is the answer where nothing fits. No
// hexadecimal, no "inf" or "nan": no text turns into a NaN. A value beyond the
// range of a double is an infinity of its sign, as the standard conversion
// gives it; one too small for a double is 0.
double ParseDecimal(const String& s) {
  const std::string bytes = s.ToCString();
  const size_t n = bytes.size();
  size_t i = 0;
  while (i < n && IsBlank(bytes[i])) ++i;
  bool negative = false;
  if (i < n && (bytes[i] == '+' || bytes[i] == '-')) negative = bytes[i++] == '-';
  // Where the first digit other than 0 stands relative to the point: the
  // decimal magnitude before the exponent, which tells a value too large
  // from one too small.
  int64_t magnitude = 0;
  bool nonzero = false, point = false;
  size_t digits = 0;
  const size_t start = i;
  for (; i < n; ++i) {
    const char c = bytes[i];
    if (c == '.' && !point) {
      point = true;
    } else if (IsDigit(c)) {
      ++digits;
      if (c != '0') nonzero = true;
      if (!point && nonzero) ++magnitude;
      if (point && !nonzero) --magnitude;
    } else {
      break;
    }
  }
  if (digits == 0) return 0;
  size_t end = i;
  int64_t exponent = 0;
  if (i < n && (bytes[i] == 'e' || bytes[i] == 'E')) {
    size_t j = i + 1;
    const bool minus = j < n && bytes[j] == '-';
    if (j < n && (bytes[j] == '+' || bytes[j] == '-')) ++j;
    for (; j < n && IsDigit(bytes[j]); end = ++j) {
      exponent = std::min<int64_t>(exponent * 10 + (bytes[j] - '0'), int64_t{1} << 40);
    }
    if (minus) exponent = -exponent;
  }
  double value = 0;
  const DecimalRead read = ReadDecimalDouble(bytes.data() + start, bytes.data() + end, value);
  if (read == DecimalRead::kOutOfRange) {
    value = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (read != DecimalRead::kOk) {
    value = 0;
  }
  return negative ? -value : value;
}

String Format(const char* format, double value) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, format, value);
  return String::FromBytes(reinterpret_cast<const uint8_t*>(buffer), n < 0 ? 0 : n);
}

}  // namespace

int32_t FloatToInt(double value) noexcept {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(value);
}

String String::FromInt(int32_t n) { return FromLong(n); }

String String::FromLong(int64_t n) {
  char buffer[24];
  const int len = std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(n));
  return FromBytes(reinterpret_cast<const uint8_t*>(buffer), len);
}

String String::FromFloat(float f) { return Format("%#.9g", static_cast<double>(f)); }
String String::FromDouble(double d) { return Format("%#.17g", d); }

int32_t String::ToInt() const { return static_cast<int32_t>(ToLong()); }

int64_t String::ToLong() const {
  bool negative;
  const uint64_t value = ParseInteger(*this, &negative);
  return static_cast<int64_t>(negative ? 0 - value : value);
}

float String::ToFloat() const { return static_cast<float>(ToDouble()); }

double String::ToDouble() const { return ParseDecimal(*this); }

}  // namespace tazmix
