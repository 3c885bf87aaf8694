// Conversions between numbers and text.
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

double String::ToDouble() const { return std::strtod(ToCString().c_str(), nullptr); }

}  // namespace tazmix
