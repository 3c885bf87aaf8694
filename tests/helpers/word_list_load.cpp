// Loads the word file of a folder the way a round starts, for the tests of
// the word list's errors:
//   word_list_load <folder> <minLength> <maxLength> <wordCount>
// Prints the number of words and the current word; an error takes the
// uncaught path (its text on standard error, exit code 255).
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "game/word_list.h"
#include "runtime/application.h"
#include "runtime/error_report.h"
#include "stream/filesystem.h"
#include "stream/stream_module.h"

using namespace tazmix;

namespace {

// Outside the sanitizers, address space is capped well below 2 GiB, so a
// length taken from the file on trust could not be allocated unseen.
void CapAddressSpace() {
#if !defined(__SANITIZE_ADDRESS__)
  const rlim_t cap = rlim_t(1) << 30;
  rlimit limit{cap, cap};
  setrlimit(RLIMIT_AS, &limit);
#endif
}

int Main() {
  InitStream();
  SetErrorEcho(false);  // as the game has it: its own texts only
  if (ApplicationArgs.size() != 5 || !ChangeDir(ApplicationArgs[1])) return 2;
  CapAddressSpace();
  vindra::LoadWordList(ApplicationArgs[2].ToInt(), ApplicationArgs[3].ToInt(), ApplicationArgs[4].ToInt());
  std::printf("%d %s", vindra::WordList->Count(), vindra::CurrentWord->Content.ToCString().c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, Main); }
