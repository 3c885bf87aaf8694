#include "system/close_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "system/event.h"
#include "system/main_thread_call.h"

namespace tazmix {

namespace {

// The handler may only do async-signal-safe work: it writes a byte into a
// pipe, and a thread of its own turns that into a posted call. Plain data,
// set up before any code runs, so the handler needs no lock to read it.
struct CloseSignalState {
  bool installed = false;
  int pipe_ends[2] = {-1, -1};
};

constinit CloseSignalState close_signal;

void OnTerminateSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(close_signal.pipe_ends[1], &byte, 1);
  errno = saved;
}

void EmitCloseRequest(Object*, int32_t) { TEvent::Create(EVENT_APPTERMINATE)->Emit(); }

void ForwardSignals() {
  char byte = 0;
  for (;;) {
    const ssize_t n = read(close_signal.pipe_ends[0], &byte, 1);
    if (n == 1) {
      PostMainThreadCall(EmitCloseRequest, nullptr, 0);
    } else if (n == 0 || errno != EINTR) {
      return;
    }
  }
}

}  // namespace

void TreatTerminateSignalAsCloseRequest() {
  if (close_signal.installed) return;
  close_signal.installed = true;
  if (pipe2(close_signal.pipe_ends, O_CLOEXEC) != 0) return;
  std::thread(ForwardSignals).detach();
  struct sigaction action {};
  action.sa_handler = OnTerminateSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
}

}  // namespace tazmix
