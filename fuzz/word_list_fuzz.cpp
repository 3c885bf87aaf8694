// Arbitrary bytes as the word file. The loader reads Language.txt from the
// current folder, so the run works in a private temporary folder, in memory
// where the system has such a file system: rewriting a file on a disk's file
// system made the kernel write it out every time, half of all the work. The first
// three bytes choose the length bounds and the word count, so the trimming
// of a round's words is reached too; the rest is the file.
//
// Every playable record costs a grid build whose work grows with the square
// of the word's length, so the file is cut after a few records or once their
// grids would pass a budget of cells; the first word is always kept, so the
// longest words are still reached.
// What is cut is only more of the same; a cut never falls inside a record,
// so truncated and broken records still reach the loader as they are.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "game/word_list.h"
#include "runtime/exception.h"
#include "runtime/random.h"
#include "stream/stream_module.h"

using namespace tazmix;

namespace {

constexpr int kMaxRecords = 8;
constexpr int64_t kCellBudget = 40 * 40;

char dir[] = "/dev/shm/tazmix-word-fuzz-XXXXXX";
char fallback_dir[] = "/tmp/tazmix-word-fuzz-XXXXXX";
const char* folder = nullptr;

void RemoveFolder() {
  unlink("Language.txt");
  rmdir(folder);
}

// How many bytes of the file to keep.
size_t BoundedLength(const uint8_t* file, size_t size) {
  size_t at = 0;
  int64_t cells = 0;
  for (int records = 0; at + 4 <= size; ++records) {
    int32_t length;
    std::memcpy(&length, file + at, 4);
    // Longer records are skipped unread, without a grid.
    const int64_t grid = length > 0 && length <= 255 ? (int64_t{length} + 4) * (int64_t{length} + 4) : 0;
    if (records == kMaxRecords || (records > 0 && cells + grid > kCellBudget)) return at;
    cells += grid;
    if (length < 0 || static_cast<uint64_t>(length) > size - at - 4) return size;  // the loader's error case
    at += 4 + static_cast<size_t>(length);
  }
  return size;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitStream();
  folder = mkdtemp(dir);
  if (!folder) folder = mkdtemp(fallback_dir);
  if (!folder || chdir(folder) != 0) abort();
  atexit(RemoveFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3 || size > (1u << 20)) return 0;
  const int32_t minLength = data[0] % 16;
  const int32_t maxLength = data[1] % 32 - 1;
  const int32_t wordCount = data[2] % 12;
  const size_t length = BoundedLength(data + 3, size - 3);
  FILE* f = fopen("Language.txt", "wb");
  if (!f) abort();
  if (length > 0 && fwrite(data + 3, 1, length, f) != length) abort();
  fclose(f);

  SeedRandom(1);
  try {
    vindra::LoadWordList(minLength, maxLength, wordCount);
    // Play the round down to its end, as the game does.
    while (vindra::CurrentWord) vindra::NextWord();
  } catch (const Thrown&) {
    // Broken and empty files raise the documented errors.
  }
  vindra::WordList = nullptr;
  vindra::CurrentWord = nullptr;
  return 0;
}
