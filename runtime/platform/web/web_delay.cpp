// Delay in a browser page: the page's one thread must not stop, so the
// program gives the browser its turn until the time is up (Asyncify). A
// program built without Asyncify (a test run under node) waits busily.
#include <emscripten.h>

#include "runtime/application.h"

namespace tazmix {

void Delay(int32_t ms) {
  if (ms <= 0) return;
  if (emscripten_has_asyncify()) {
    emscripten_sleep(static_cast<unsigned>(ms));
    return;
  }
  const double end = emscripten_get_now() + ms;
  while (emscripten_get_now() < end) {
  }
}

}  // namespace tazmix
