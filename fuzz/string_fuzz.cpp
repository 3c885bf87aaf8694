// The String's number parsers, case mapping and UTF-8 forms on arbitrary
// text, with the properties that must hold whatever the text:
//   - numbers written by FromLong / FromDouble / FromFloat read back exactly;
//   - case mapping keeps the length, is stable when repeated, and agrees
//     with plain arithmetic on ASCII letters;
//   - text without surrogates survives UTF-8 and back unchanged;
//   - the parsers answer (and the UTF-8 reader raises only its own error).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"
#include "runtime/exception.h"
#include "runtime/string.h"

using namespace tazmix;
using tazmix::fuzz::FuzzInput;

namespace {

void Expect(bool holds) {
  if (!holds) std::abort();
}

// Units from the input: mostly ASCII around digits and signs, sometimes any
// 16-bit unit, so both the parsers' paths and the case tables are reached.
String Units(FuzzInput& in, size_t max) {
  std::u16string units;
  const std::string raw = in.Chunk(max);
  for (size_t i = 0; i < raw.size(); ++i) {
    const auto b = static_cast<uint8_t>(raw[i]);
    if (b < 0xF0 || i + 2 >= raw.size()) {
      units += static_cast<char16_t>(b);
    } else {
      units += static_cast<char16_t>(static_cast<uint8_t>(raw[i + 1]) | static_cast<uint8_t>(raw[i + 2]) << 8);
      i += 2;
    }
  }
  return String(std::move(units));
}

void CaseMapping(const String& s) {
  const String lower = s.ToLower(), upper = s.ToUpper();
  Expect(lower.Length() == s.Length() && upper.Length() == s.Length());
  Expect(lower.ToLower() == lower && upper.ToUpper() == upper);
  for (int32_t i = 0; i < s.Length(); ++i) {
    const char16_t u = s[i];
    if (u >= u'A' && u <= u'Z') Expect(lower[i] == u + 32 && upper[i] == u);
    if (u >= u'a' && u <= u'z') Expect(upper[i] == u - 32 && lower[i] == u);
    if (u < 0x80 && !((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))) Expect(lower[i] == u && upper[i] == u);
  }
}

void NumbersReadBack(FuzzInput& in) {
  const auto n = static_cast<int64_t>(in.Long());
  Expect(String::FromLong(n).ToLong() == n);
  Expect(String::FromInt(static_cast<int32_t>(n)).ToInt() == static_cast<int32_t>(n));
  uint64_t bits = in.Long();
  double d;
  std::memcpy(&d, &bits, sizeof d);
  if (std::isfinite(d)) Expect(String::FromDouble(d).ToDouble() == d);
  float f;
  const uint32_t fbits = static_cast<uint32_t>(bits);
  std::memcpy(&f, &fbits, sizeof f);
  if (std::isfinite(f)) Expect(String::FromFloat(f).ToFloat() == f);
}

void Utf8(const String& s, const std::string& bytes) {
  bool surrogate = false;
  for (char16_t u : s.View()) surrogate = surrogate || (u >= 0xD800 && u <= 0xDFFF);
  if (!surrogate) Expect(String::FromUTF8String(s.ToUTF8String()) == s);
  try {
    (void)String::FromUTF8String(bytes);
  } catch (const Thrown& e) {
    // Code points past 16 bits are the one error the reader raises.
    Expect(e.Text().Contains("UCS-2") != 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  const String text = Units(in, 200);
  // Parsers first: they must answer for any text.
  volatile int64_t sink = text.ToLong() + text.ToInt();
  volatile double dsink = text.ToDouble() + text.ToFloat();
  (void)sink;
  (void)dsink;
  CaseMapping(text);
  NumbersReadBack(in);
  Utf8(text, std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
