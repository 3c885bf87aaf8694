#include "system/hook.h"

#include <array>

#include "runtime/exception.h"
#include "system/event.h"

namespace tazmix {

namespace {

struct HookState {
  std::array<Ref<THook>, HOOK_ID_COUNT> chains;
  int32_t last_id = -1;
};

HookState& State() {
  static HookState state;
  return state;
}

// Ids outside the table name no chain: adding to or removing from one does
// nothing and running one passes its data through.
bool KnownHookId(int32_t id) { return id >= 0 && id < HOOK_ID_COUNT; }

}  // namespace

Ref<Object> UnsetHookFunction(int32_t, const Ref<Object>&, const Ref<Object>&) {
  ThrowNullFunction();
}

int32_t AllocHookId() {
  // The event hook must be the first id handed out, whoever asks first.
  InitEvents();
  int32_t& last_id = State().last_id;
  ++last_id;
  if (last_id >= HOOK_ID_COUNT) Throw(String("Too many hook ids"));
  return last_id;
}

void AddHook(int32_t id, HookFunction func, const Ref<Object>& context, int32_t priority) {
  if (!KnownHookId(id)) return;
  Ref<THook> hook = New<THook>();
  hook->func = func ? func : UnsetHookFunction;
  hook->context = context;
  hook->priority = priority;

  Ref<THook>& head = State().chains[static_cast<size_t>(id)];
  THook* last = nullptr;
  for (THook* h = head.get(); h && h->priority >= priority; h = h->succ.get()) last = h;
  if (!last) {
    hook->succ = head;
    head = hook;
  } else {
    hook->succ = last->succ;
    last->succ = hook;
  }
}

Ref<Object> RunHooks(int32_t id, Ref<Object> data) {
  if (!KnownHookId(id)) return data;
  // Holding the current hook keeps its succ valid even if the function
  // removes its own hook from the chain.
  for (Ref<THook> hook = State().chains[static_cast<size_t>(id)]; hook; hook = hook->succ) {
    data = hook->func(id, data, hook->context);
  }
  return data;
}

void RemoveHook(int32_t id, HookFunction func, const Ref<Object>& context) {
  if (!KnownHookId(id)) return;
  Ref<THook>* link = &State().chains[static_cast<size_t>(id)];
  while (*link) {
    THook* h = link->get();
    if (h->func == func && h->context == context) {
      Ref<THook> removed = *link;
      *link = removed->succ;
      return;
    }
    link = &h->succ;
  }
}

}  // namespace tazmix
