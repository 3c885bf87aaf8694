// Case conversion of Strings: ASCII letters by arithmetic, everything from the
// Latin-1 letters up through the generated tables. One unit always maps to one
// unit, so lengths never change.
#include <algorithm>

#include "runtime/internal/case_tables.h"
#include "runtime/string.h"

namespace tazmix {

namespace {

char16_t LookUp(const CasePair* table, int32_t count, char16_t unit) {
  const CasePair* end = table + count;
  const CasePair* at = std::lower_bound(table, end, unit, [](const CasePair& p, char16_t u) { return p.from < u; });
  return at != end && at->from == unit ? static_cast<char16_t>(at->to) : unit;
}

// Returns the String itself when no unit changes.
template <class Convert>
String Converted(const String& s, Convert convert) {
  const int32_t n = s.Length();
  int32_t i = 0;
  while (i < n && convert(s[i]) == s[i]) ++i;
  if (i == n) return s;
  std::u16string units(s.View());
  for (; i < n; ++i) units[static_cast<size_t>(i)] = convert(s[i]);
  return String(std::move(units));
}

}  // namespace

String String::ToLower() const {
  return Converted(*this, [](char16_t u) -> char16_t {
    if (u < 192) return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u + 32) : u;
    return LookUp(kLowerCasePairs, kLowerCasePairsCount, u);
  });
}

String String::ToUpper() const {
  return Converted(*this, [](char16_t u) -> char16_t {
    if (u <= 180) return u >= u'a' && u <= u'z' ? static_cast<char16_t>(u - 32) : u;
    return LookUp(kUpperCasePairs, kUpperCasePairsCount, u);
  });
}

}  // namespace tazmix
