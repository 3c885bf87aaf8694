// LoadWordList, the start of every round: reading Language.txt, making a
// TGameWord (with its grid) of every record, trimming to the round's size.
//
// With the shipped list (build/bin/Language.txt) for each difficulty, and
// with a 20,000-word list that make-wordlist draws from /usr/share/dict/ngerman
// (Debian package wngerman) when that is installed; it is made once and kept
// in build/bench/ngerman-20000/.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "game/word_list.h"
#include "runtime/random.h"
#include "stream/filesystem.h"
#include "stream/path.h"
#include "stream/stream_module.h"

using namespace tazmix;

namespace {

const char* const kDictionary = "/usr/share/dict/ngerman";

struct Round {
  int32_t min, max, count;
};
const Round kRounds[] = {{0, 5, 10}, {3, 7, 12}, {5, -1, 15}, {0, -1, -1}};
const char* const kRoundNames[] = {"0-5 x10", "3-7 x12", "5+ x15", "all words"};

// The folder holding the 20,000-word file, made on first use; "" without
// the dictionary.
std::string NgermanFolder() {
  static const std::string folder = [] {
    if (FileType(kDictionary) != 1) return std::string();
    const std::string bin = TAZMIX_BIN_DIR;
    const std::string build = bin.substr(0, bin.rfind('/'));
    const std::string dir = build + "/bench/ngerman-20000";
    if (FileType(String::FromUTF8String(dir + "/Language.txt")) == 1) return dir;
    CreateDir(String::FromUTF8String(dir), true);
    const std::string command = build + "/tools/make-wordlist --quiet --max 20000 " + kDictionary + " " + dir +
                                "/Language.txt >/dev/null";
    if (std::system(command.c_str()) != 0) return std::string();
    return dir;
  }();
  return folder;
}

void LoadRounds(benchmark::State& state, const std::string& folder) {
  InitStream();
  if (folder.empty() || !ChangeDir(String::FromUTF8String(folder))) {
    state.SkipWithError("word file not available");
    return;
  }
  const Round& r = kRounds[state.range(0)];
  state.SetLabel(kRoundNames[state.range(0)]);
  SeedRandom(4660);
  for (auto _ : state) {
    vindra::LoadWordList(r.min, r.max, r.count);
    benchmark::DoNotOptimize(vindra::CurrentWord.get());
  }
  state.counters["words"] = vindra::WordList->Count();
}

void Shipped(benchmark::State& state) { LoadRounds(state, TAZMIX_BIN_DIR); }
void Ngerman20000(benchmark::State& state) { LoadRounds(state, NgermanFolder()); }

}  // namespace

BENCHMARK(Shipped)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(Ngerman20000)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
