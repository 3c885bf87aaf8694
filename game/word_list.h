// The word file and the words of a round.
//
// Language.txt, read from the current folder, is a run of records: a 4-byte
// little-endian signed length and then that many bytes, one character each
// (ISO 8859-1). No header, separator or terminator.
#pragma once

#include <cstdint>

#include "game/game_word.h"
#include "runtime/list.h"
#include "runtime/object.h"

namespace vindra {

// The words still to play in this round (a new list at each load), and the
// one being searched for (Null when there is none).
extern tazmix::Ref<tazmix::TList> WordList;
extern tazmix::Ref<TGameWord> CurrentWord;

// Fills WordList with the playable words of Language.txt whose length lies
// in minLength..maxLength (maxLength -1: no upper bound), draws CurrentWord,
// and trims the list at random to wordCount words (below 2: no trimming).
// Records longer than 255 characters are skipped like unplayable texts.
// Raises the runtime error "Can't load Language.txt! - EXIT" when the file
// cannot be opened and "Language.txt is empty! - EXIT" when no word fits; a
// truncated record or one with a negative length raises the stream read
// exception.
void LoadWordList(int32_t minLength, int32_t maxLength, int32_t wordCount);

// Drops CurrentWord from WordList and draws the next one at random; leaves
// CurrentWord Null when no word is left.
void NextWord();

}  // namespace vindra
