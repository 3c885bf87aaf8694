// A page has no signals and no alternate signal stack: the crash reporter's
// installation asks for one and goes on without it, as a POSIX system
// refusing would let it.
#include <signal.h>

#include <cerrno>

extern "C" int sigaltstack(const stack_t*, stack_t*) {
  errno = ENOSYS;
  return -1;
}
