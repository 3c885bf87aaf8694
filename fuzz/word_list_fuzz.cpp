// Arbitrary bytes as the word file. The loader reads Language.txt from the
// current folder, so the run works in a private temporary folder. The first
// three bytes choose the length bounds and the word count, so the trimming
// of a round's words is reached too; the rest is the file.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "game/word_list.h"
#include "runtime/exception.h"
#include "runtime/random.h"
#include "stream/stream_module.h"

using namespace tazmix;

namespace {

char dir[] = "/tmp/tazmix-word-fuzz-XXXXXX";

void RemoveFolder() {
  unlink("Language.txt");
  rmdir(dir);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitStream();
  if (!mkdtemp(dir) || chdir(dir) != 0) abort();
  atexit(RemoveFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3 || size > (1u << 20)) return 0;
  const int32_t minLength = data[0] % 16;
  const int32_t maxLength = data[1] % 32 - 1;
  const int32_t wordCount = data[2] % 12;
  FILE* f = fopen("Language.txt", "wb");
  if (!f) abort();
  if (size > 3 && fwrite(data + 3, 1, size - 3, f) != size - 3) abort();
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
