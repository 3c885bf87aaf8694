// Delay on a system with threads of its own: the process sleeps.
#include <time.h>

#include <cerrno>

#include "runtime/application.h"

namespace tazmix {

void Delay(int32_t ms) {
  if (ms <= 0) return;
  timespec left{ms / 1000, (ms % 1000) * 1000000L};
  // A signal may cut the sleep short; sleep the rest.
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

}  // namespace tazmix
