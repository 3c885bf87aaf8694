// Hook chains: 256 numbered chains of callback functions ordered by priority.
//
// Running a hook passes one object through every function of its chain; each
// function receives what the previous one returned and may replace, pass on or
// swallow it (return Null). Everything runs on the calling thread.
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

using HookFunction = Ref<Object> (*)(int32_t id, const Ref<Object>& data, const Ref<Object>& context);

// The function a hook holds until one is set: raises TNullFunctionException.
Ref<Object> UnsetHookFunction(int32_t id, const Ref<Object>& data, const Ref<Object>& context);

class THook : public Object {
 public:
  Ref<THook> succ;
  int32_t priority = 0;
  HookFunction func = UnsetHookFunction;
  Ref<Object> context;
};

constexpr int32_t HOOK_ID_COUNT = 256;

// Hands out hook ids 0, 1, 2, ...; the 257th request raises the text
// "Too many hook ids" (and the counter stays raised).
int32_t AllocHookId();
// Inserts after every hook of equal or higher priority, so equal priorities
// run in the order they were added. Ids come from AllocHookId: an id outside
// 0..255 names no chain, so adding or removing there does nothing and running
// it returns `data`. A hook added without a function raises
// TNullFunctionException when it runs.
void AddHook(int32_t id, HookFunction func, const Ref<Object>& context, int32_t priority);
// Passes `data` through chain `id` and returns the last result.
Ref<Object> RunHooks(int32_t id, Ref<Object> data);
// Unlinks the first hook with this very function and context object.
void RemoveHook(int32_t id, HookFunction func, const Ref<Object>& context);

}  // namespace tazmix
