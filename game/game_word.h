// A search word: its text, its point value and the letter grid that hides it.
//
// Character classes (bits of CharClassMask), by code unit:
//   1 lower case a-z, 2 upper case A-Z, 4 digit 0-9, 8 other sign (33-47,
//   58-64, 91-96 and every code above 122 except the umlauts), 16 control
//   (0-31), 32 umlaut (196 228 214 246 220 252 223), 64 space.
// The grid's fillers come only from the classes the word itself contains, so
// the word does not stand out.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "runtime/array3.h"
#include "runtime/object.h"
#include "runtime/string.h"

namespace vindra {

constexpr uint8_t CHAR_LOWER = 1;
constexpr uint8_t CHAR_UPPER = 2;
constexpr uint8_t CHAR_DIGIT = 4;
constexpr uint8_t CHAR_SIGN = 8;
constexpr uint8_t CHAR_CONTROL = 16;
constexpr uint8_t CHAR_UMLAUT = 32;
constexpr uint8_t CHAR_SPACE = 64;

class TGameWord : public tazmix::Object {
 public:
  // Null when `text` is not a playable word (signs, control characters, codes
  // above 255, empty, or only spaces); else the word with value and grid.
  static tazmix::Ref<TGameWord> Create(const tazmix::String& text);

  // Builds a fresh grid for Content with side length(Content) + margin + 1,
  // drawing from the process's random generator. Raises a runtime error for
  // a Content that has no letter, digit or umlaut, since no grid could ever
  // hide it just once.
  void CreateFieldArray(int32_t margin);

  tazmix::String Content;
  int32_t Difficulty = 0;
  uint8_t ContainMode = 0;
  // [G, G, 2]: (x, y, 0) the cell's character code, (x, y, 1) 1 when the
  // cell belongs to the hidden word.
  tazmix::Array3<uint8_t> FieldArray;
};

// The cells (column, row) of the word's grid that hold a character of the
// hidden word, or those that do not; column by column.
std::vector<std::pair<int32_t, int32_t>> WordCells(const TGameWord& word, bool part_of_word);

// The classes present in `text`, as a sum of the CHAR_ bits.
uint8_t CharClassMask(const tazmix::String& text);

// 1 when low <= value <= high, else 0.
int32_t InRange(int32_t value, int32_t low, int32_t high);

}  // namespace vindra
