// Handing a call from any thread to the main thread.
#pragma once

#include <cstdint>

#include "../runtime/object.h"

namespace tazmix {

using MainThreadFunction = void (*)(Object* object, int32_t value);

// Safe from any thread: queues function(object, value) to run on the main
// thread the next time the system driver polls or waits, in posting order.
// No reference to `object` is taken: the poster keeps it alive, or the
// function checks that it still is. False when the queue refused the call.
bool PostMainThreadCall(MainThreadFunction function, Object* object, int32_t value);

}  // namespace tazmix
