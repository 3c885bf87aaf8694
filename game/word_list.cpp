#include "game/word_list.h"

#include "runtime/exception.h"
#include "runtime/random.h"
#include "stream/stream_exception.h"
#include "stream/stream_factory.h"

using namespace tazmix;

namespace vindra {

namespace {

// No word of any language comes near this; a longer record is no word, and
// its grid, growing with the square of the length, could not be built.
constexpr int32_t kLongestWord = 255;

}  // namespace

Ref<TList> WordList;
Ref<TGameWord> CurrentWord;

void LoadWordList(int32_t minLength, int32_t maxLength, int32_t wordCount) {
  Ref<TStream> stream = ReadStream(String("Language.txt"));
  if (!stream) ThrowRuntimeError("Can't load Language.txt! - EXIT");

  WordList = New<TList>();
  while (!stream->Eof()) {
    const int32_t length = stream->ReadInt();
    // No text has a negative length: the file is broken, like a cut record.
    if (length < 0) ThrowStreamRead();
    if (length > kLongestWord) {
      stream->SkipBytes(length);
      continue;
    }
    Ref<TGameWord> word = TGameWord::Create(stream->ReadString(length));
    if (!word) continue;
    const int32_t n = word->Content.Length();
    if (InRange(n, minLength, maxLength) || (n >= minLength && maxLength == -1)) WordList->AddLast(word);
  }
  if (WordList->IsEmpty()) ThrowRuntimeError("Language.txt is empty! - EXIT");

  NextWord();
  while (wordCount > 1 && WordList->Count() > wordCount) NextWord();
}

void NextWord() {
  if (CurrentWord) {
    if (WordList) WordList->Remove(CurrentWord);
    CurrentWord = nullptr;
  }
  if (!WordList || WordList->IsEmpty()) return;
  const int32_t i = RandomInt(0, WordList->Count() - 1);
  CurrentWord = Cast<TGameWord>(WordList->ValueAtIndex(i));
}

}  // namespace vindra
