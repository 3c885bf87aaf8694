/// \file
/// Handing a call from any thread to the main thread, where all of the
/// library's state lives.
///
/// \code{.cpp}
/// void OnLoaded(tazmix::Object* level, int32_t ok) { ShowLevel(level, ok); }  // runs on the main thread
/// // on a loader thread, with the level kept alive by the loader:
/// tazmix::PostMainThreadCall(OnLoaded, level.get(), 1);
/// \endcode
/// \ingroup system
/// \since 1.0
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

/// A function run on the main thread.
/// \param object the object given to PostMainThreadCall.
/// \param value the number given to PostMainThreadCall.
/// \since 1.0
using MainThreadFunction = void (*)(Object* object, int32_t value);

/// Queues function(object, value) to run on the main thread the next time the
/// system driver polls or waits, in posting order. Safe from any thread. No
/// reference to `object` is taken: the poster keeps it alive, or the function
/// checks that it still is.
/// \param function the function.
/// \param object passed on; may be nullptr.
/// \param value passed on.
/// \return true when queued; false when the queue refused the call.
/// \since 1.0
bool PostMainThreadCall(MainThreadFunction function, Object* object, int32_t value);

}  // namespace tazmix
