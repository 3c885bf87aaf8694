// A page runs one thread: a posted call waits in the input queue, in order
// with the input, for the next poll or wait.
#include "system/main_thread_call.h"
#include "system/platform/web/web_input_queue.h"

namespace tazmix {

bool PostMainThreadCall(MainThreadFunction function, Object* object, int32_t value) {
  if (!function) return false;
  WebInput call;
  call.data = value;
  call.call = function;
  call.object = object;
  return QueueWebInput(call);
}

}  // namespace tazmix
