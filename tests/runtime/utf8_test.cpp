#include <gtest/gtest.h>

#include <string>

#include "runtime/string.h"
#include "runtime/internal/utf8.h"

using namespace tazmix;

namespace {

struct DecodeRow {
  const char* why;
  std::string bytes;
  std::u16string replaced;  // DecodeUtf8 with kReplacement
};

const DecodeRow kDecodeRows[] = {
    {"ASCII", "a/b", u"a/b"},
    {"two, three and four bytes", "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", u"ä€\U0001F600"},
    {"largest code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
    {"overlong slash", "\xC0\xAF", u"\uFFFD"},
    {"overlong NUL", std::string("\xC0\x80", 2), u"\uFFFD"},
    {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD"},
    {"overlong four bytes", "\xF0\x80\x80\xAF", u"\uFFFD"},
    {"encoded surrogate", "\xED\xA0\x80x", u"\uFFFDx"},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD"},
    {"F5 lead", "\xF5\x80\x80\x80", u"\uFFFD"},
    {"stray continuation and FF", "\x80\xFF" "a", u"\uFFFD\uFFFDa"},
    {"cut short by a new lead", "\xE2\x82\xC3\xA4", u"\uFFFDä"},
    {"cut short by the end", "a\xF0\x9F\x98", u"a\uFFFD"},
};

}  // namespace

TEST(Utf8, DecodesWellFormedSequencesOnly) {
  for (const DecodeRow& row : kDecodeRows) {
    EXPECT_EQ(DecodeUtf8(row.bytes, Utf8Fallback::kReplacement), row.replaced) << row.why;
    const bool valid = row.replaced.find(u'\uFFFD') == std::u16string::npos;
    EXPECT_EQ(IsValidUtf8(row.bytes), valid) << row.why;
    // Byte data keeps one character per byte, never U+FFFD.
    if (!valid) {
      std::u16string bytes;
      for (char c : row.bytes) bytes += static_cast<char16_t>(static_cast<uint8_t>(c));
      EXPECT_EQ(DecodeUtf8(row.bytes, Utf8Fallback::kBytes), bytes) << row.why;
    }
  }
}

TEST(Utf8, EncodesPairsJoinedOrUnitByUnit) {
  const std::u16string text = u"a\u00E4\u20AC\U0001F600";
  EXPECT_EQ(EncodeUtf8(text, Utf8Pairs::kJoined), "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(EncodeUtf8(text, Utf8Pairs::kUnitByUnit), "a\xC3\xA4\xE2\x82\xAC\xED\xA0\xBD\xED\xB8\x80");
  // A lone surrogate has no character to join into: three bytes either way.
  EXPECT_EQ(EncodeUtf8(std::u16string(1, 0xDC00), Utf8Pairs::kJoined), "\xED\xB0\x80");
  EXPECT_EQ(DecodeUtf8(EncodeUtf8(text, Utf8Pairs::kJoined), Utf8Fallback::kReplacement), text);
}

TEST(Utf8, NarrowTextsAreUtf8AndByteDataStaysBytes) {
  EXPECT_EQ(String("Grüße"), String(u"Grüße"));
  EXPECT_EQ(String(std::string("Grüße")), String(u"Grüße"));
  EXPECT_EQ(String("\U0001F600"), String(u"\U0001F600"));  // a pair, not a raised error
  // Not UTF-8 as a whole: every byte is one character and comes back as it was.
  const std::string bytes("Gr\xFC\xDF" "e \xC3\xA4\xFF\x80", 10);
  const String text(bytes);
  EXPECT_EQ(text.Length(), 10);
  EXPECT_EQ(text, String::FromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), 10));
  EXPECT_EQ(text.ToCString(), bytes);
  // The explicit byte functions never decode.
  EXPECT_EQ(String::FromCString("\xC3\xA4").Length(), 2);
}
