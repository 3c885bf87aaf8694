/// \file
/// Hook chains: 256 numbered chains of callback functions ordered by priority.
///
/// Running a hook passes one object through every function of its chain; each
/// function receives what the previous one returned and may replace, pass on or
/// swallow it (return Null). Everything runs on the calling thread. Every event
/// runs through EmitEventHook; every Flip runs FlipHook first.
///
/// \code{.cpp}
/// tazmix::Ref<tazmix::Object> OnEvent(int32_t, const tazmix::Ref<tazmix::Object>& data, const tazmix::Ref<tazmix::Object>&) {
///   auto event = tazmix::Cast<tazmix::TEvent>(data);
///   if (event && event->id == tazmix::EVENT_KEYDOWN) Log(event->ToString());
///   return data;  // pass it on
/// }
/// tazmix::AddHook(tazmix::EmitEventHook, OnEvent, nullptr, 0);
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

/// A hook's function.
/// \param id the hook id being run.
/// \param data what the previous function returned (at first, what RunHooks got).
/// \param context the object given to AddHook.
/// \return what the next function receives; Null swallows it.
/// \since 1.0
using HookFunction = Ref<Object> (*)(int32_t id, const Ref<Object>& data, const Ref<Object>& context);

/// The function a hook holds until one is set.
/// \param id, data, context as a HookFunction's.
/// \return never.
/// \throws Thrown carrying a TNullFunctionException, always.
/// \since 1.0
Ref<Object> UnsetHookFunction(int32_t id, const Ref<Object>& data, const Ref<Object>& context);

/// One hook of a chain.
/// \since 1.0
class THook : public Object {
 public:
  /// The next hook of the chain (a lower or equal priority). \since 1.0
  Ref<THook> succ;
  /// Higher priorities run first. \since 1.0
  int32_t priority = 0;
  /// The function. \since 1.0
  HookFunction func = UnsetHookFunction;
  /// The object passed to the function. \since 1.0
  Ref<Object> context;
};

/// The number of hook chains. \since 1.0
constexpr int32_t HOOK_ID_COUNT = 256;

/// Hands out hook ids 0, 1, 2, ... (0 goes to EmitEventHook).
/// \return the new id.
/// \throws Thrown carrying the String "Too many hook ids" at the 257th request
///   (and the counter stays raised).
/// \since 1.0
int32_t AllocHookId();
/// Adds a function to a chain. It goes after every hook of equal or higher
/// priority, so equal priorities run in the order they were added.
/// \param id a hook id from AllocHookId; an id outside 0..255 names no chain,
///   so adding there does nothing.
/// \param func the function; one added as nullptr raises TNullFunctionException
///   when it runs.
/// \param context passed to the function each time.
/// \param priority higher runs first.
/// \since 1.0
void AddHook(int32_t id, HookFunction func, const Ref<Object>& context, int32_t priority);
/// Passes `data` through chain `id`.
/// \param id the hook id.
/// \param data the object.
/// \return the last function's result; `data` for an empty chain or an id
///   outside 0..255.
/// \since 1.0
Ref<Object> RunHooks(int32_t id, Ref<Object> data);
/// Unlinks the first hook with this very function and context object; a
/// function may remove its own hook while it runs.
/// \param id the hook id.
/// \param func the function.
/// \param context the context object given to AddHook.
/// \since 1.0
void RemoveHook(int32_t id, HookFunction func, const Ref<Object>& context);

}  // namespace tazmix
