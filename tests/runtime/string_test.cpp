#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/internal/case_tables.h"
#include "runtime/exception.h"
#include "runtime/string.h"

using namespace tazmix;

namespace {

bool SameObject(const String& a, const String& b) { return a.AsObject() == b.AsObject(); }

std::vector<String> Pieces(std::initializer_list<const char16_t*> texts) {
  std::vector<String> out;
  for (auto* t : texts) out.emplace_back(t);
  return out;
}

}  // namespace

TEST(StringSearch, FindHonoursStartAndEmptyNeedles) {
  const String abc("abc");
  EXPECT_EQ(abc.Find("", 2), 2);
  EXPECT_EQ(abc.Find("", 3), 3);
  EXPECT_EQ(abc.Find("", 4), -1);
  EXPECT_EQ(abc.Find("c", -5), 2);
  EXPECT_EQ(abc.Find("c", 3), -1);
  EXPECT_EQ(abc.Find("abcd"), -1);
  EXPECT_EQ(String("abab").Find("ab", 1), 2);
  EXPECT_EQ(String(u"Straße").Find(u"ß"), 4);
  EXPECT_EQ(String().Find("a"), -1);
}

TEST(StringSearch, FindLastCountsItsStartFromTheEnd) {
  const String banana("banana");
  EXPECT_EQ(banana.FindLast("a"), 5);
  EXPECT_EQ(banana.FindLast("an"), 3);
  EXPECT_EQ(banana.FindLast("a", 1), 5);  // starts at 6 - 1 = 5
  EXPECT_EQ(banana.FindLast("a", 2), 3);  // starts at 4
  EXPECT_EQ(banana.FindLast("b", 5), 0);
  EXPECT_EQ(banana.FindLast("b", 6), 0);
  EXPECT_EQ(banana.FindLast("b", 7), -1);  // would start before the text
  EXPECT_EQ(banana.FindLast("a", -10), 5);
  EXPECT_EQ(banana.FindLast(""), 6);
  EXPECT_EQ(banana.FindLast("bananas"), -1);
  EXPECT_EQ(banana.FindLast("x"), -1);
}

TEST(StringSearch, StartsEndsAndContains) {
  const String s(u"Würfel");
  EXPECT_EQ(s.StartsWith(u"Wü"), 1);
  EXPECT_EQ(s.StartsWith(""), 1);
  EXPECT_EQ(s.StartsWith(u"Würfeln"), 0);
  EXPECT_EQ(s.EndsWith("fel"), 1);
  EXPECT_EQ(s.EndsWith(""), 1);
  EXPECT_EQ(s.EndsWith("Fel"), 0);
  EXPECT_EQ(s.EndsWith(u"XWürfel"), 0);
  EXPECT_EQ(s.Contains(u"ürf"), 1);
  EXPECT_EQ(s.Contains("urf"), 0);
  EXPECT_EQ(String().Contains(""), 1);
}

TEST(StringSlice, LeftAndRightPadLikeSlices) {
  const String abc("abc");
  EXPECT_EQ(abc.Left(2), String("ab"));
  EXPECT_EQ(abc.Left(5), String("abc  "));
  EXPECT_EQ(abc.Right(2), String("bc"));
  EXPECT_EQ(abc.Right(5), String("  abc"));
  EXPECT_EQ(abc.Left(0), String());
  EXPECT_EQ(abc.Left(-3), String());
  EXPECT_TRUE(SameObject(abc.Slice(0, 3), abc));
}

TEST(StringTrim, DropsUnitsBelow33Only) {
  EXPECT_EQ(String("\t x\n").Trim(), String("x"));
  EXPECT_EQ(String("   ").Trim(), String());
  EXPECT_EQ(String("").Trim(), String());
  EXPECT_EQ(String(" a b ").Trim(), String("a b"));
  EXPECT_EQ(String(u"\u00A0x\u00A0").Trim(), String(u"\u00A0x\u00A0"));  // no-break space stays
  EXPECT_EQ(String(u"\u0001\u001Fy\u0000").Trim(), String("y"));
  const String clean("Wort");
  EXPECT_TRUE(SameObject(clean.Trim(), clean));
}

TEST(StringReplace, LeftToRightWithoutOverlap) {
  EXPECT_EQ(String("aaaa").Replace("aa", "b"), String("bb"));
  EXPECT_EQ(String("aaa").Replace("aa", "b"), String("ba"));
  EXPECT_EQ(String("aaa").Replace("a", "aa"), String("aaaaaa"));  // no rescanning of the replacement
  EXPECT_EQ(String("a-b-c").Replace("-", ""), String("abc"));
  EXPECT_EQ(String(u"Strasse").Replace("ss", u"ß"), String(u"Straße"));
  const String s("abc");
  EXPECT_TRUE(SameObject(s.Replace("", "x"), s));
  EXPECT_TRUE(SameObject(s.Replace("x", "y"), s));
  EXPECT_EQ(String("abc").Replace("abc", ""), String());
}

TEST(StringSplit, AtASeparator) {
  EXPECT_EQ(String("a,,b").Split(","), Pieces({u"a", u"", u"b"}));
  EXPECT_EQ(String("abc").Split(","), Pieces({u"abc"}));
  EXPECT_EQ(String(",").Split(","), Pieces({u"", u""}));
  EXPECT_EQ(String("").Split(","), Pieces({u""}));
  EXPECT_EQ(String("a::b::").Split("::"), Pieces({u"a", u"b", u""}));
  EXPECT_EQ(String("aaa").Split("aa"), Pieces({u"", u"a"}));
}

TEST(StringSplit, AtBlanksWhenTheSeparatorIsEmpty) {
  EXPECT_EQ(String("  Hallo \t\n Welt  ").Split(""), Pieces({u"Hallo", u"Welt"}));
  EXPECT_EQ(String(u"Grüße\u0001aus\u001FKöln").Split(""), Pieces({u"Grüße", u"aus", u"Köln"}));
  EXPECT_TRUE(String(" \t\r\n").Split("").empty());
  EXPECT_TRUE(String("").Split("").empty());
}

TEST(StringSplit, JoinPutsTheTextBetweenPieces) {
  EXPECT_EQ(String(", ").Join(Pieces({u"Apfel", u"Birne", u"Kiwi"})), String("Apfel, Birne, Kiwi"));
  EXPECT_EQ(String(", ").Join({}), String());
  EXPECT_EQ(String("-").Join(Pieces({u"eins"})), String("eins"));
  EXPECT_EQ(String("").Join(Pieces({u"a", u"b"})), String("ab"));
  const String text("x,,y,");
  EXPECT_EQ(String(",").Join(text.Split(",")), text);
}

TEST(StringCase, GermanLettersAndTheTellingRows) {
  const String mixed(u"ÄÖÜäöüß");
  EXPECT_EQ(mixed.ToLower(), String(u"äöüäöüß"));
  EXPECT_EQ(mixed.ToUpper(), String(u"ÄÖÜÄÖÜß"));
  EXPECT_EQ(String(u"Größe 42!").ToUpper(), String(u"GRÖßE 42!"));
  EXPECT_EQ(String(u"ǆ").ToUpper(), String(u"ǅ"));  // the title-case form
  EXPECT_EQ(String(u"Ǆ").ToLower(), String(u"ǆ"));
  EXPECT_EQ(String(u"ǅ").ToLower(), String(u"ǆ"));
  EXPECT_EQ(String(u"ǅ").ToUpper(), String(u"ǅ"));
  EXPECT_EQ(String(u"ǳǉǌ").ToUpper(), String(u"ǲǈǋ"));
  EXPECT_EQ(String(u"ᾳ").ToUpper(), String(u"ᾼ"));
  EXPECT_EQ(String(u"İ").ToLower(), String("i"));
  EXPECT_EQ(String(u"ı").ToUpper(), String("I"));
  EXPECT_EQ(String(u"ÿ").ToUpper(), String(u"Ÿ"));
  EXPECT_EQ(String(u"Ÿ").ToLower(), String(u"ÿ"));
  EXPECT_EQ(String(u"µ").ToUpper(), String(u"Μ"));
  EXPECT_EQ(String(u"ς").ToUpper(), String(u"Σ"));
  EXPECT_EQ(String(u"ẞ").ToLower(), String(u"ß"));
  EXPECT_EQ(String(u"Ｚ").ToLower(), String(u"ｚ"));
  EXPECT_EQ(String(u"ｚ").ToUpper(), String(u"Ｚ"));
}

TEST(StringCase, OnlyAsciiLettersChangeBelowTheTables) {
  // Units below 192 (lower-casing) and up to 180 (upper-casing) other than
  // ASCII letters stay, even where Unicode would map them.
  std::u16string all;
  for (char16_t u = 0; u < 192; ++u) all += u;
  std::u16string lower = all, upper = all;
  for (char16_t u = 'A'; u <= 'Z'; ++u) lower[u] = static_cast<char16_t>(u + 32);
  for (char16_t u = 'a'; u <= 'z'; ++u) upper[u] = static_cast<char16_t>(u - 32);
  upper[0xB5] = u'Μ';
  EXPECT_EQ(String(all).ToLower(), String(lower));
  EXPECT_EQ(String(all).ToUpper(), String(upper));

  const String plain("123 -+ ");
  EXPECT_TRUE(SameObject(plain.ToLower(), plain));
  EXPECT_TRUE(SameObject(plain.ToUpper(), plain));
  EXPECT_EQ(String(u"\xFFFF\xD800").ToUpper(), String(u"\xFFFF\xD800"));
}

TEST(StringCase, TablesAreSortedAndKeepLengths) {
  struct Table {
    const CasePair* pairs;
    int32_t count;
    uint16_t lowest;
  };
  for (const Table& t : {Table{kLowerCasePairs, kLowerCasePairsCount, 192},
                         Table{kUpperCasePairs, kUpperCasePairsCount, 181}}) {
    ASSERT_GT(t.count, 900);
    EXPECT_GE(t.pairs[0].from, t.lowest);
    for (int32_t i = 0; i < t.count; ++i) {
      EXPECT_NE(t.pairs[i].from, t.pairs[i].to);
      if (i > 0) {
        EXPECT_LT(t.pairs[i - 1].from, t.pairs[i].from) << i;
      }
    }
  }
  // Every unit converts to exactly one unit.
  std::u16string every;
  for (uint32_t u = 1; u <= 0xFFFF; ++u) every += static_cast<char16_t>(u);
  EXPECT_EQ(String(every).ToLower().Length(), 0xFFFF);
  EXPECT_EQ(String(every).ToUpper().Length(), 0xFFFF);
}

TEST(StringUtf8, EncodesUnitsOneByOne) {
  EXPECT_EQ(String(u"A").ToUTF8String(), "A");
  EXPECT_EQ(String(u"ä").ToUTF8String(), "\xC3\xA4");
  EXPECT_EQ(String(u"\u07FF").ToUTF8String(), "\xDF\xBF");
  EXPECT_EQ(String(u"€").ToUTF8String(), "\xE2\x82\xAC");
  EXPECT_EQ(String(u"\uFFFF").ToUTF8String(), "\xEF\xBF\xBF");
  // A surrogate pair becomes two three-byte groups, not one four-byte one.
  EXPECT_EQ(String(u"\U0001F600").ToUTF8String(), "\xED\xA0\xBD\xED\xB8\x80");
  EXPECT_EQ(String().ToUTF8String(), "");
}

TEST(StringUtf8, DecodesAndRoundTrips) {
  EXPECT_EQ(String::FromUTF8String("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"), String(u"Grüße €"));
  EXPECT_EQ(String::FromUTF8String(static_cast<const char*>(nullptr)), String());
  std::u16string sample;
  for (uint32_t u = 1; u <= 0xFFFF; u += 7) sample += static_cast<char16_t>(u);
  const String s(sample);
  EXPECT_EQ(String::FromUTF8String(s.ToUTF8String()), s);
}

TEST(StringUtf8, BeyondSixteenBitsRaisesAndBadBytesBecomeReplacements) {
  try {
    String::FromUTF8String("x\xF0\x9F\x98\x80");
    FAIL();
  } catch (const Thrown& t) {
    ASSERT_NE(t.As<TRuntimeException>(), nullptr);
    EXPECT_EQ(t.Text(), String("Unicode character out of UCS-2 range"));
  }
  EXPECT_EQ(String::FromUTF8String("\x80" "a"), String(u"\uFFFDa"));
  EXPECT_EQ(String::FromUTF8String("a\xC3"), String(u"a\uFFFD"));
  EXPECT_EQ(String::FromUTF8String("\xE2\x82" "b"), String(u"\uFFFDb"));
  EXPECT_EQ(String::FromUTF8String("\xFF"), String(u"\uFFFD"));
  // Overlong forms never turn into the unit they spell.
  EXPECT_EQ(String::FromUTF8String("\xC0\xAF"), String(u"\uFFFD"));
  EXPECT_EQ(String::FromUTF8String(std::string_view("\xC0\x80", 2)), String(u"\uFFFD"));
  EXPECT_EQ(String::FromUTF8String("\xE0\x80\xAF"), String(u"\uFFFD"));
  EXPECT_EQ(String::FromUTF8String("\xF0\x80\x80\xAF"), String(u"\uFFFD"));
}

TEST(StringBytes, EightAndSixteenBitTexts) {
  EXPECT_EQ(String(u"Aä\u0141").ToCString(), std::string("A\xE4\x41"));  // high bytes are lost
  EXPECT_EQ(String(std::u16string(u"x\u0000y", 3)).ToCString(), std::string("x\0y", 3));
  const uint8_t bytes[] = {0x48, 0xFC, 0x00, 0xFF};
  EXPECT_EQ(String::FromBytes(bytes, 4), String(std::u16string(u"H\u00FC\u0000\u00FF", 4)));
  EXPECT_EQ(String::FromBytes(bytes, 0), String());
  EXPECT_EQ(String::FromCString("\xD6l"), String(u"Öl"));
  EXPECT_EQ(String::FromCString(nullptr), String());
  const char16_t units[] = {u'ß', 0, u'z'};
  EXPECT_EQ(String::FromShorts(units, 3).Length(), 3);
  EXPECT_EQ(String::FromWString(units), String(u"ß"));
  EXPECT_EQ(String::FromWString(nullptr), String());
  EXPECT_EQ(String(u"\u20AC").ToWString(), std::u16string(u"\u20AC"));
}

TEST(StringNumbers, FloatFormsKeepTheirDigitsAndSwitchToExponents) {
  EXPECT_EQ(String::FromFloat(0.0f), String("0.00000000"));
  EXPECT_EQ(String::FromFloat(-2.25f), String("-2.25000000"));
  EXPECT_EQ(String::FromFloat(123456789.0f), String("123456792."));
  EXPECT_EQ(String::FromFloat(1e20f), String("1.00000002e+20"));
  EXPECT_EQ(String::FromFloat(1e-5f), String("9.99999975e-06"));
  EXPECT_EQ(String::FromDouble(0.1), String("0.10000000000000001"));
  EXPECT_EQ(String::FromDouble(100.0), String("100.00000000000000"));
  EXPECT_EQ(String::FromDouble(-1e300), String("-1.0000000000000001e+300"));
  EXPECT_EQ(String::FromDouble(std::numeric_limits<double>::infinity()), String("inf"));
  EXPECT_EQ(String::FromLong(INT64_MAX), String("9223372036854775807"));
}

TEST(StringNumbers, TextToFloatingPoint) {
  EXPECT_DOUBLE_EQ(String("  -0.5").ToDouble(), -0.5);
  EXPECT_DOUBLE_EQ(String(".25x").ToDouble(), 0.25);
  EXPECT_DOUBLE_EQ(String("1e3e4").ToDouble(), 1000.0);
  EXPECT_DOUBLE_EQ(String("-").ToDouble(), 0.0);
  EXPECT_DOUBLE_EQ(String("").ToDouble(), 0.0);
  EXPECT_DOUBLE_EQ(String(u"1\u01322").ToDouble(), 122.0);  // the low byte of each unit is read
  EXPECT_DOUBLE_EQ(String(std::u16string(u"3\u0000 4", 4)).ToDouble(), 3.0);
  EXPECT_TRUE(std::isinf(String("1e400").ToDouble()));
  EXPECT_EQ(String("0.1").ToDouble(), 0.1);
  EXPECT_EQ(String("16777217").ToFloat(), 16777216.0f);  // rounded to single precision
  EXPECT_TRUE(std::isinf(String("1e300").ToFloat()));
  EXPECT_EQ(String(" -$7fffffffffffffff").ToLong(), -INT64_MAX);
  EXPECT_EQ(String("%1111111111111111111111111111111111111111111111111111111111111111").ToLong(), -1);
}

// What a String joins and what it refuses: characters and bools are not
// numbers, and neither are unsigned values beyond the Int range.
template <class T>
concept JoinsString = requires(String s, T t) { s + t; t + s; s += t; };
static_assert(JoinsString<int32_t> && JoinsString<int64_t> && JoinsString<float> && JoinsString<double>);
static_assert(JoinsString<int16_t> && JoinsString<uint32_t> && JoinsString<const char*>);
static_assert(!JoinsString<char> && !JoinsString<char16_t> && !JoinsString<bool> && !JoinsString<uint64_t>);

TEST(StringConveniences, NumbersJoinAsTheirFromTexts) {
  const int32_t score = -250;
  EXPECT_EQ(String("Punkte: ") + score, String("Punkte: -250"));
  EXPECT_EQ(INT64_MIN + String("!"), String("-9223372036854775808!"));
  EXPECT_EQ(String("x") + 1.5f, String("x") + String::FromFloat(1.5f));
  EXPECT_EQ(0.1 + String(), String::FromDouble(0.1));
  EXPECT_EQ(String() + uint32_t{4000000000u}, String("4000000000"));
  String line = "Zeit: ";
  line += int16_t{7};
  EXPECT_EQ(line, String("Zeit: 7"));
}

TEST(StringConveniences, U8LiteralsAndStreamsAreUtf8) {
  EXPECT_EQ(String(u8"Grüße \U0001F600"), String(u"Grüße \U0001F600"));
  EXPECT_EQ(String(std::u8string(u8"Äpfel")), String(u"Äpfel"));
  EXPECT_EQ(String(static_cast<const char8_t*>(nullptr)), String());
  std::ostringstream out;
  out << String(u"Grüße \U0001F600") << String() << '|';
  // A surrogate pair goes out as its one four-byte character.
  EXPECT_EQ(out.str(), "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80|");
}
