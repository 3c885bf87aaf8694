#include <gtest/gtest.h>

#include <string>

#include "game/game_word.h"
#include "runtime/exception.h"
#include "runtime/random.h"

using namespace tazmix;
using namespace vindra;

namespace {

// The text of row y (horizontal) or column x (vertical) of a grid.
std::u16string Line(const TGameWord& w, int32_t i, bool row) {
  const int32_t g = w.FieldArray.Dimension(0);
  std::u16string text;
  for (int32_t j = 0; j < g; ++j) text += char16_t(row ? w.FieldArray(j, i, 0) : w.FieldArray(i, j, 0));
  return text;
}

int32_t Marks(const TGameWord& w, int32_t i, bool row) {
  const int32_t g = w.FieldArray.Dimension(0);
  int32_t count = 0;
  for (int32_t j = 0; j < g; ++j) count += row ? w.FieldArray(j, i, 1) : w.FieldArray(i, j, 1);
  return count;
}

// Checks every promise a grid makes; returns a description of the first
// broken one, or "" when the grid is sound.
std::string GridFault(const TGameWord& w) {
  const std::u16string word(w.Content.View());
  const int32_t n = static_cast<int32_t>(word.size());
  const int32_t g = n + 4;
  const uint8_t m = CharClassMask(w.Content);
  if (w.FieldArray.Dimension(0) != g || w.FieldArray.Dimension(1) != g || w.FieldArray.Dimension(2) != 2)
    return "wrong dimensions";

  int32_t marked = 0, word_lines = 0;
  for (int32_t x = 0; x < g; ++x) {
    for (int32_t y = 0; y < g; ++y) {
      const uint8_t code = w.FieldArray(x, y, 0);
      if (w.FieldArray(x, y, 1) == 1) {
        ++marked;
        continue;
      }
      if (w.FieldArray(x, y, 1) != 0) return "mark other than 0 or 1";
      const uint8_t h = CharClassMask(String(std::u16string(1, char16_t(code))));
      if (h == CHAR_SIGN || !(h & m)) return "filler " + std::to_string(code) + " from a class the word lacks";
    }
  }
  if (marked != n) return "marked " + std::to_string(marked) + " cells";

  for (int32_t i = 0; i < g; ++i) {
    for (bool row : {true, false}) {
      const std::u16string line = Line(w, i, row);
      if (Marks(w, i, row) == n) {
        // The word's own line (for a single letter, both lines through it):
        // its marked cells must be contiguous and read as the word.
        const int32_t g2 = w.FieldArray.Dimension(0);
        std::u16string read;
        int32_t first = -1, last = -1;
        for (int32_t j = 0; j < g2; ++j) {
          if ((row ? w.FieldArray(j, i, 1) : w.FieldArray(i, j, 1)) == 1) {
            if (first < 0) first = j;
            last = j;
            read += line[static_cast<size_t>(j)];
          }
        }
        if (last - first + 1 != n || read != word) return "the word is not read in its own line";
        if (n > 1 && first > 3) return "the word starts beyond the margin";
        ++word_lines;
      } else if (line.find(word) != std::u16string::npos) {
        return std::string("second copy in ") + (row ? "row " : "column ") + std::to_string(i);
      }
    }
  }
  if (word_lines != (n == 1 ? 2 : 1)) return "the word is not placed exactly once";
  return "";
}

}  // namespace

TEST(CharClassMask, EveryByteHasExactlyOneClass) {
  for (int c = 0; c < 256; ++c) {
    const uint8_t h = CharClassMask(String(std::u16string(1, char16_t(c))));
    EXPECT_EQ(h & (h - 1), 0) << c;
    EXPECT_NE(h, 0) << c;
  }
  EXPECT_EQ(CharClassMask(u"a"), CHAR_LOWER);
  EXPECT_EQ(CharClassMask(u"Z"), CHAR_UPPER);
  EXPECT_EQ(CharClassMask(u"5"), CHAR_DIGIT);
  EXPECT_EQ(CharClassMask(u"{"), CHAR_SIGN);
  EXPECT_EQ(CharClassMask(u"\u00e9"), CHAR_SIGN);  // é is no umlaut
  EXPECT_EQ(CharClassMask(u"\u00df"), CHAR_UMLAUT);
  EXPECT_EQ(CharClassMask(u"\t"), CHAR_CONTROL);
  EXPECT_EQ(CharClassMask(u" "), CHAR_SPACE);
  EXPECT_EQ(CharClassMask(u"\u0100"), CHAR_SIGN);  // beyond a byte
  EXPECT_EQ(CharClassMask(u""), 0);
  EXPECT_EQ(CharClassMask(u"aZ5-\x01\u00e4 "), 127);
  EXPECT_EQ(CharClassMask(u"Stra\u00dfe 2"), CHAR_LOWER | CHAR_UPPER | CHAR_UMLAUT | CHAR_SPACE | CHAR_DIGIT);
}

TEST(InRange, InclusiveBoundsAndEmptyRanges) {
  EXPECT_EQ(InRange(5, 5, 5), 1);
  EXPECT_EQ(InRange(3, 1, 5), 1);
  EXPECT_EQ(InRange(0, 1, 5), 0);
  EXPECT_EQ(InRange(6, 1, 5), 0);
  EXPECT_EQ(InRange(4, 5, 3), 0);
}

TEST(GameWord, PointValuesFollowTheLetterKinds) {
  struct Case {
    const char16_t* text;
    int32_t difficulty;
  };
  const Case cases[] = {
      {u"Haus", 800},        {u"haus", 800},        {u"HAUS", 800},  {u"B52", 900},
      {u"2010", 800},        {u"Stra\u00dfe", 1200}, {u"\u00dcber", 800}, {u"\u00d6l", 400},
      {u"\u00e4\u00e4", 0},  {u"a b", 600},         {u"x", 200},     {u"abc123XYZ", 2700},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(String(c.text).ToUTF8String());
    SeedRandom(1);
    Ref<TGameWord> w = TGameWord::Create(c.text);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Content, String(c.text));
    EXPECT_EQ(w->Difficulty, c.difficulty);
    EXPECT_EQ(w->ContainMode, 0);
    EXPECT_EQ(w->FieldArray.Dimension(0), w->Content.Length() + 4);
  }
}

TEST(GameWord, TextsThatAreNoWordsGiveNull) {
  for (const char16_t* text : {u"e-mail", u"Hallo!", u"a\tb", u"", u" ", u"    ", u"Ma\u00dfst\u0101b", u"caf\u00e9",
                               u"\u4e2d"}) {
    EXPECT_EQ(TGameWord::Create(text), nullptr) << String(text).ToUTF8String();
  }
}

TEST(GameWord, GridsHideTheWordOnceWithFillersOfItsOwnKinds) {
  const char16_t* words[] = {u"Haus",  u"haus", u"B52",  u"2010",       u"Stra\u00dfe", u"\u00dcber",
                             u"\u00e4\u00e4",   u"a b",  u"x",          u"7",           u"\u00df",
                             u"aa",    u"aaaa", u"abc123XYZ",           u"Donaudampfschifffahrt", u" \u00d6 "};
  for (const char16_t* text : words) {
    for (int32_t seed = 1; seed <= 60; ++seed) {
      SeedRandom(seed * 7919);
      Ref<TGameWord> w = TGameWord::Create(text);
      ASSERT_NE(w, nullptr);
      const std::string fault = GridFault(*w);
      ASSERT_EQ(fault, "") << String(text).ToUTF8String() << " seed " << seed * 7919;
    }
  }
}

TEST(GameWord, PlacementIsDrawnFirstAndTheSameSeedGivesTheSameGrid) {
  for (int32_t seed : {3, 4660, 99991, 123456789}) {
    SeedRandom(seed);
    const int32_t orientation = RandomInt(0, 1);
    const int32_t start = RandomInt(0, 3);
    const int32_t cross = RandomInt(0, 10);  // side 7 + 4

    SeedRandom(seed);
    Ref<TGameWord> a = TGameWord::Create(u"Wandern");
    for (int32_t k = 0; k < 7; ++k) {
      const int32_t x = orientation == 0 ? start + k : cross;
      const int32_t y = orientation == 0 ? cross : start + k;
      EXPECT_EQ(a->FieldArray(x, y, 1), 1);
      EXPECT_EQ(a->FieldArray(x, y, 0), uint8_t(u"Wandern"[k]));
    }
    const int32_t after = RandomSeed();

    SeedRandom(seed);
    Ref<TGameWord> b = TGameWord::Create(u"Wandern");
    ASSERT_EQ(a->FieldArray.Size(), b->FieldArray.Size());
    for (size_t i = 0; i < a->FieldArray.Size(); ++i) ASSERT_EQ(a->FieldArray.Data()[i], b->FieldArray.Data()[i]);
    EXPECT_EQ(RandomSeed(), after);
  }
}

TEST(GameWord, SingleLetterAppearsInNoOtherCell) {
  for (int32_t seed = 1; seed <= 30; ++seed) {
    SeedRandom(seed);
    Ref<TGameWord> w = TGameWord::Create(u"q");
    ASSERT_EQ(w->FieldArray.Dimension(0), 5);
    int32_t count = 0;
    for (int32_t x = 0; x < 5; ++x)
      for (int32_t y = 0; y < 5; ++y) count += w->FieldArray(x, y, 0) == 'q';
    EXPECT_EQ(count, 1);
  }
}

TEST(GameWord, GridForTextWithoutFillerKindsIsRefused) {
  TGameWord w;
  w.Content = "   ";
  EXPECT_THROW(w.CreateFieldArray(3), Thrown);
  w.Content = "";
  EXPECT_THROW(w.CreateFieldArray(3), Thrown);
  // Another margin gives another side length.
  w.Content = "ab";
  w.CreateFieldArray(1);
  EXPECT_EQ(w.FieldArray.Dimension(0), 4);
  EXPECT_EQ(w.FieldArray.Dimension(2), 2);
  // A sign in a text set by hand never becomes a filler.
  w.Content = "a-b";
  w.CreateFieldArray(3);
  int32_t signs = 0;
  for (int32_t x = 0; x < 7; ++x)
    for (int32_t y = 0; y < 7; ++y) signs += w.FieldArray(x, y, 0) == '-';
  EXPECT_EQ(signs, 1);
}
