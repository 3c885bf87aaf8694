#include "game/game_word.h"

#include <array>

#include "runtime/exception.h"
#include "runtime/random.h"

namespace vindra {

using tazmix::Array3;
using tazmix::RandomInt;
using tazmix::Ref;
using tazmix::String;

namespace {

constexpr uint8_t kAllClasses = 127;
// The classes with more than one member; a filler set without any of them
// cannot keep the word from repeating.
constexpr uint8_t kVariedClasses = CHAR_LOWER | CHAR_UPPER | CHAR_DIGIT | CHAR_UMLAUT;

constexpr uint8_t ClassOf(uint32_t code) {
  if (code >= 'a' && code <= 'z') return CHAR_LOWER;
  if (code >= 'A' && code <= 'Z') return CHAR_UPPER;
  if (code >= '0' && code <= '9') return CHAR_DIGIT;
  if (code < 32) return CHAR_CONTROL;
  if (code == 32) return CHAR_SPACE;
  switch (code) {
    case 196: case 228: case 214: case 246: case 220: case 252: case 223:
      return CHAR_UMLAUT;
  }
  return CHAR_SIGN;
}

constexpr std::array<uint8_t, 256> kClassTable = [] {
  std::array<uint8_t, 256> t{};
  for (uint32_t c = 0; c < 256; ++c) t[c] = ClassOf(c);
  return t;
}();

uint8_t ClassOfUnit(char16_t unit) { return unit < 256 ? kClassTable[unit] : CHAR_SIGN; }

// Whether `line` (cells read through `cell(i)`, `length` of them) contains
// the word's units as a substring.
template <class Cell>
bool LineContains(const char16_t* word, int32_t n, int32_t length, Cell cell) {
  for (int32_t start = 0; start + n <= length; ++start) {
    int32_t k = 0;
    while (k < n && cell(start + k) == word[k]) ++k;
    if (k == n) return true;
  }
  return false;
}

}  // namespace

uint8_t CharClassMask(const String& text) {
  uint8_t mask = 0;
  const char16_t* units = text.Data();
  for (int32_t i = 0, n = text.Length(); i < n && mask != kAllClasses; ++i) mask |= ClassOfUnit(units[i]);
  return mask;
}

int32_t InRange(int32_t value, int32_t low, int32_t high) { return low <= value && value <= high ? 1 : 0; }

Ref<TGameWord> TGameWord::Create(const String& text) {
  const uint8_t m = CharClassMask(text);
  // Codes above 255 count as signs, so this refuses them too.
  if (m & (CHAR_SIGN | CHAR_CONTROL)) return nullptr;
  if (text.IsEmpty()) return nullptr;
  // Only spaces: every filler would be a space and every row would repeat
  // the word, so no grid could pass the check.
  if (!(m & kVariedClasses)) return nullptr;

  int32_t f = 0;
  if (m & CHAR_LOWER) f += 2;
  if (m & CHAR_UPPER) f += 2;
  if (m & CHAR_DIGIT) f += 2;
  if ((m & CHAR_LOWER) && (m & CHAR_UPPER)) f -= 2;
  if ((m & CHAR_DIGIT) && (m & (CHAR_LOWER | CHAR_UPPER))) f -= 1;

  auto word = tazmix::New<TGameWord>();
  word->Content = text;
  word->Difficulty = f * text.Length() * 100;
  word->CreateFieldArray(3);
  return word;
}

void TGameWord::CreateFieldArray(int32_t margin) {
  const int32_t n = Content.Length();
  const char16_t* word = Content.Data();
  const uint8_t m = CharClassMask(Content);
  const int32_t g = n + margin + 1;

  // Why the refill loop below ends: the word has a character of a class with
  // at least seven members, all allowed as fillers. Take such a filler f that
  // is neither the word's first nor its last character. A grid whose free
  // cells all hold f has at most one other character in every row and column
  // but the word's own line; a copy of the word there would have to begin at
  // that character (the first is not f) and go on with f to its end (the last
  // is not f), or be one character long, whose lines are not searched. Every
  // refill has a fixed positive chance of drawing that grid, so the loop ends
  // with probability 1. Only spaces (one member) or no filler class at all
  // break this argument, and Create refuses those words.
  if (!(m & kVariedClasses)) tazmix::ThrowRuntimeError("Word has no letters, digits or umlauts for its grid");

  FieldArray = Array3<uint8_t>(g, g, 2);
  const int32_t orientation = RandomInt(0, 1);
  const int32_t start = RandomInt(0, g - n - 1);
  const int32_t cross = RandomInt(0, g - 1);

  // A filler is accepted when it is no sign and its class occurs in the word.
  std::array<bool, 256> accepted{};
  for (int32_t c = 32; c < 256; ++c) accepted[c] = kClassTable[c] != CHAR_SIGN && (kClassTable[c] & m);

  uint8_t* cells = FieldArray.Data();  // (x, y, z) at (x * g + y) * 2 + z
  const auto code = [&](int32_t x, int32_t y) { return cells[(x * g + y) * 2]; };
  const auto mark = [&](int32_t x, int32_t y) { return cells[(x * g + y) * 2 + 1]; };

  for (;;) {
    for (int32_t i = 0; i < g * g; ++i) {
      int32_t c;
      do {
        c = RandomInt(32, 255);
      } while (!accepted[c]);
      cells[i * 2] = static_cast<uint8_t>(c);
      cells[i * 2 + 1] = 0;
    }

    for (int32_t k = 0; k < n; ++k) {
      const int32_t x = orientation == 0 ? start + k : cross;
      const int32_t y = orientation == 0 ? cross : start + k;
      cells[(x * g + y) * 2] = static_cast<uint8_t>(word[k]);
      cells[(x * g + y) * 2 + 1] = 1;
    }

    bool failed = false;
    for (int32_t i = 0; i < g && !failed; ++i) {
      int32_t row_marks = 0, column_marks = 0;
      for (int32_t j = 0; j < g; ++j) {
        row_marks += mark(j, i);
        column_marks += mark(i, j);
      }
      if (row_marks != n && LineContains(word, n, g, [&](int32_t j) { return code(j, i); })) failed = true;
      else if (column_marks != n && LineContains(word, n, g, [&](int32_t j) { return code(i, j); })) failed = true;
    }
    if (!failed) return;
  }
}

std::vector<std::pair<int32_t, int32_t>> WordCells(const TGameWord& word, bool part_of_word) {
  std::vector<std::pair<int32_t, int32_t>> cells;
  const int32_t g = word.FieldArray.Dimension(0);
  for (int32_t x = 0; x < g; ++x) {
    for (int32_t y = 0; y < g; ++y) {
      if ((word.FieldArray(x, y, 1) != 0) == part_of_word) cells.emplace_back(x, y);
    }
  }
  return cells;
}

}  // namespace vindra
