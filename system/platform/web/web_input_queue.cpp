#include "system/platform/web/web_input_queue.h"

#include <emscripten.h>

#include <deque>

namespace tazmix {

namespace {

// A bound, so a page whose program stopped polling cannot grow without end.
constexpr size_t kMostQueued = 1 << 16;

struct InputQueueState {
  std::deque<WebInput> queued;
};

InputQueueState& State() {
  static auto* state = new InputQueueState();
  return *state;
}

// The promise a waiting program awaits; settled by the next record.
EM_JS(void, WakeWebWaiter, (), {
  var wake = Module.tazmixWake;
  Module.tazmixWake = null;
  if (wake) wake();
});

EM_ASYNC_JS(void, AwaitWebInput, (), {
  await new Promise(function(resolve) { Module.tazmixWake = resolve; });
});

}  // namespace

bool QueueWebInput(const WebInput& input) {
  InputQueueState& state = State();
  if (state.queued.size() >= kMostQueued) return false;
  state.queued.push_back(input);
  WakeWebWaiter();
  return true;
}

void DrainWebInput(void (*deliver)(const WebInput& input)) {
  InputQueueState& state = State();
  for (size_t pending = state.queued.size(); pending > 0 && !state.queued.empty(); --pending) {
    const WebInput input = state.queued.front();
    state.queued.pop_front();
    deliver(input);
  }
}

void WaitForWebInput() {
  if (!emscripten_has_asyncify()) return;
  while (State().queued.empty()) AwaitWebInput();
}

void YieldToBrowser() {
  if (emscripten_has_asyncify()) emscripten_sleep(0);
}

}  // namespace tazmix
