// The list operations a round leans on: sorting words, walking the ring.
#include <benchmark/benchmark.h>

#include <random>

#include "runtime/list.h"
#include "runtime/string.h"

using namespace tazmix;

namespace {

Ref<TList> RandomWords(int64_t n) {
  std::mt19937 rng(7);
  auto list = CreateList();
  for (int64_t i = 0; i < n; ++i) {
    std::u16string w;
    for (int k = 0; k < 8; ++k) w += static_cast<char16_t>(u'a' + rng() % 26);
    list->AddLast(String(std::move(w)).AsObject());
  }
  return list;
}

void BM_SortStrings(benchmark::State& state) {
  auto list = RandomWords(state.range(0));
  int ascending = 0;
  for (auto _ : state) {
    list->Sort(ascending ^= 1);
    benchmark::DoNotOptimize(list->First());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SortStrings)->Arg(1000)->Arg(20000);

void BM_ForEach(benchmark::State& state) {
  auto list = RandomWords(state.range(0));
  for (auto _ : state) {
    int64_t n = 0;
    for (auto& v : list) n += v != nullptr;
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ForEach)->Arg(20000);

void BM_ToUpperGerman(benchmark::State& state) {
  std::u16string text;
  while (text.size() < 1000) text += u"Grüße aus Köln, schöne Straße! ";
  const String s(text);
  for (auto _ : state) benchmark::DoNotOptimize(s.ToUpper());
  state.SetBytesProcessed(state.iterations() * s.Length() * 2);
}
BENCHMARK(BM_ToUpperGerman);

}  // namespace
