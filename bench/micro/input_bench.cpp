// The input road: SDL events through the system driver, the event hook and
// the polled-input state; and the hook chain on its own.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "system/event.h"
#include "system/hook.h"
#include "system/polled_input.h"
#include "system/system_driver.h"

using namespace tazmix;

namespace {

void PushKeyTap() {
  SDL_Event e{};
  e.key.type = SDL_KEYDOWN;
  e.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
  e.key.keysym.sym = SDLK_ESCAPE;
  e.key.keysym.mod = KMOD_NUM;
  SDL_PushEvent(&e);
  e.key.type = SDL_KEYUP;
  SDL_PushEvent(&e);
}

// One batch of 64 key taps pushed, then collected by one KeyHit.
void BM_KeyTapsThroughPolledInput(benchmark::State& state) {
  EnablePolledInput(nullptr);
  for (auto _ : state) {
    for (int i = 0; i < 64; ++i) PushKeyTap();
    benchmark::DoNotOptimize(KeyHit(27));
  }
  state.SetItemsProcessed(state.iterations() * 128);
  DisablePolledInput();
}
BENCHMARK(BM_KeyTapsThroughPolledInput);

// An idle query: a poll of an empty queue and a read.
void BM_IdleQuery(benchmark::State& state) {
  EnablePolledInput(nullptr);
  for (auto _ : state) benchmark::DoNotOptimize(MouseX());
  DisablePolledInput();
}
BENCHMARK(BM_IdleQuery);

Ref<Object> PassOn(int32_t, const Ref<Object>& data, const Ref<Object>&) { return data; }

void BM_RunHooks(benchmark::State& state) {
  const int32_t id = AllocHookId();
  for (int64_t i = 0; i < state.range(0); ++i) AddHook(id, PassOn, nullptr, static_cast<int32_t>(i % 3));
  Ref<TEvent> event = TEvent::Create(EVENT_KEYDOWN, nullptr, 27);
  for (auto _ : state) benchmark::DoNotOptimize(RunHooks(id, event));
}
BENCHMARK(BM_RunHooks)->Arg(1)->Arg(8);

}  // namespace
