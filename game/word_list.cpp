#include "game/word_list.h"

#include <vector>

#include "runtime/error_report.h"
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

// The positions 0..n-1 still present, with "the k-th present position" and
// removal in logarithmic time (a Fenwick tree of present counts, 1-based).
class PresentPositions {
 public:
  explicit PresentPositions(int32_t n) : tree_(static_cast<size_t>(n) + 1, 0), count_(n) {
    for (int32_t i = 1; i <= n; ++i) {
      tree_[At(i)] += 1;
      const int32_t parent = i + (i & -i);
      if (parent <= n) tree_[At(parent)] += tree_[At(i)];
    }
  }
  int32_t Count() const { return count_; }
  void Remove(int32_t position) {
    for (int32_t i = position + 1; i < Size(); i += i & -i) tree_[At(i)] -= 1;
    --count_;
  }
  // The position of the k-th (from 0) present element.
  int32_t Select(int32_t k) const {
    int32_t position = 0;
    int32_t step = 1;
    while (step * 2 < Size()) step *= 2;
    for (; step > 0; step /= 2) {
      const int32_t next = position + step;
      if (next < Size() && tree_[At(next)] <= k) {
        position = next;
        k -= tree_[At(next)];
      }
    }
    return position;
  }

 private:
  static size_t At(int32_t i) { return static_cast<size_t>(i); }
  int32_t Size() const { return static_cast<int32_t>(tree_.size()); }

  std::vector<int32_t> tree_;
  int32_t count_;
};

// The round start's NextWord loop with the very same random draws, on an
// index instead of walking the list three times per dropped word: with
// thousands of fitting words those walks made the start quadratic.
void TrimWordList(int32_t wordCount) {
  std::vector<Ref<TGameWord>> words;
  int32_t current = -1;
  for (const Ref<Object>& value : WordList) {
    if (value == CurrentWord) current = static_cast<int32_t>(words.size());
    words.push_back(Cast<TGameWord>(value));
  }
  PresentPositions present(static_cast<int32_t>(words.size()));
  while (present.Count() > wordCount) {
    present.Remove(current);
    current = present.Select(RandomInt(0, present.Count() - 1));
  }

  Ref<TList> kept = New<TList>();
  for (int32_t k = 0; k < present.Count(); ++k) kept->AddLast(words[static_cast<size_t>(present.Select(k))]);
  WordList = kept;
  CurrentWord = words[static_cast<size_t>(current)];
}

}  // namespace

Ref<TList> WordList;
Ref<TGameWord> CurrentWord;

void LoadWordList(int32_t minLength, int32_t maxLength, int32_t wordCount) {
  FailureScope scope("LoadWordList", QuoteText("Language.txt"));
  Ref<TStream> stream = ReadStream(String("Language.txt"));
  if (!stream) {
    scope.Fail("can't open it");
    ThrowRuntimeError("Can't load Language.txt! - EXIT");
  }

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
  if (WordList->IsEmpty()) {
    scope.Fail("it holds no word of the wanted length");
    ThrowRuntimeError("Language.txt is empty! - EXIT");
  }

  NextWord();
  if (wordCount > 1 && WordList->Count() > wordCount) TrimWordList(wordCount);
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
