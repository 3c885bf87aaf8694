#include "runtime/internal/crash_reporter.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstring>

namespace tazmix {

namespace {

constexpr int kFaultSignals[] = {SIGSEGV, SIGFPE, SIGILL, SIGBUS, SIGTRAP};
// Room for the handler and a message-box hook; only touched on a crash.
constexpr size_t kAltStackSize = 1 << 20;
// The kernel keeps a gap below a growing stack; a fault there is an overflow.
constexpr uintptr_t kStackGuardSpan = 1 << 20;

// Plain data and atomics only, set up before any code runs: the fault
// handler reads it and may take no locks.
struct CrashState {
  std::atomic<CrashMessageHook> hook{nullptr};
  // Zero-filled static storage: costs no memory until a crash touches it.
  alignas(64) char alt_stack[kAltStackSize] = {};
  // Bounds of the main thread's stack, recorded at installation.
  uintptr_t stack_low = 0;
  uintptr_t stack_high = 0;
  bool installed = false;
};

constinit CrashState crash;

void RecordMainStack() {
  pthread_attr_t attr;
  if (pthread_getattr_np(pthread_self(), &attr) != 0) return;
  void* addr = nullptr;
  size_t size = 0;
  if (pthread_attr_getstack(&attr, &addr, &size) == 0) {
    crash.stack_low = reinterpret_cast<uintptr_t>(addr);
    crash.stack_high = crash.stack_low + size;
  }
  pthread_attr_destroy(&attr);
}

bool IsStackOverflow(const void* fault_address) {
  const auto a = reinterpret_cast<uintptr_t>(fault_address);
  if (crash.stack_high == 0) return false;
  const uintptr_t low = crash.stack_low > kStackGuardSpan ? crash.stack_low - kStackGuardSpan : 0;
  return a >= low && a < crash.stack_high;
}

void WriteAll(const char* text) {
  size_t left = std::strlen(text);
  while (left > 0) {
    const ssize_t n = write(STDERR_FILENO, text, left);
    if (n <= 0) return;
    text += n;
    left -= static_cast<size_t>(n);
  }
}

void OnFault(int signal_number, siginfo_t* info, void*) {
  const bool overflow = signal_number == SIGSEGV && IsStackOverflow(info->si_addr);
  const char* name = CrashExceptionName(signal_number, info->si_code, overflow);
  WriteAll(name);
  WriteAll("\n");
  if (CrashMessageHook hook = crash.hook.load()) hook(name);
  // SA_RESETHAND has restored the default action. The raised signal stays
  // blocked until the handler returns and then ends the process; a fault
  // signal would also recur on the faulting instruction.
  raise(signal_number);
}

}  // namespace

const char* CrashExceptionName(int signal_number, int code, bool stack_overflow) {
  switch (signal_number) {
    case SIGSEGV:
      if (stack_overflow) return "EXCEPTION_STACK_OVERFLOW";
      switch (code) {
        case SEGV_MAPERR:
        case SEGV_ACCERR:
        case SEGV_PKUERR:
        case SI_KERNEL:  // general protection, e.g. a non-canonical address
          return "EXCEPTION_ACCESS_VIOLATION";
        case SEGV_BNDERR:
          return "EXCEPTION_ARRAY_BOUNDS_EXCEEDED";
      }
      break;
    case SIGFPE:
      switch (code) {
        case FPE_INTDIV: return "EXCEPTION_INT_DIVIDE_BY_ZERO";
        case FPE_INTOVF: return "EXCEPTION_INT_OVERFLOW";
        case FPE_FLTDIV: return "EXCEPTION_FLT_DIVIDE_BY_ZERO";
        case FPE_FLTOVF: return "EXCEPTION_FLT_OVERFLOW";
        case FPE_FLTUND: return "EXCEPTION_FLT_UNDERFLOW";
        case FPE_FLTRES: return "EXCEPTION_FLT_INEXACT_RESULT";
        case FPE_FLTINV: return "EXCEPTION_FLT_INVALID_OPERATION";
        case FPE_FLTSUB: return "EXCEPTION_ARRAY_BOUNDS_EXCEEDED";
      }
      break;
    case SIGILL:
      switch (code) {
        case ILL_ILLOPC:
        case ILL_ILLOPN:
        case ILL_ILLADR:
        case ILL_ILLTRP:
        case ILL_COPROC:
          return "EXCEPTION_ILLEGAL_INSTRUCTION";
        case ILL_PRVOPC:
        case ILL_PRVREG:
          return "EXCEPTION_PRIV_INSTRUCTION";
        case ILL_BADSTK:
          return "EXCEPTION_STACK_OVERFLOW";
      }
      break;
    case SIGBUS:
      switch (code) {
        case BUS_ADRALN: return "EXCEPTION_DATATYPE_MISALIGNMENT";
        // A mapped file shorter than the access, or a hardware memory error.
        case BUS_ADRERR:
        case BUS_OBJERR:
        case BUS_MCEERR_AR:
        case BUS_MCEERR_AO:
          return "EXCEPTION_IN_PAGE_ERROR";
      }
      break;
    case SIGTRAP:
      switch (code) {
        case TRAP_BRKPT:
        case SI_KERNEL:  // int3 on x86
          return "EXCEPTION_BREAKPOINT";
        case TRAP_TRACE:
          return "EXCEPTION_SINGLE_STEP";
      }
      break;
  }
  return "EXCEPTION_UNKNOWN";
}

void SetCrashMessageHook(CrashMessageHook hook) { crash.hook.store(hook); }

void InstallCrashReporter() {
  if (crash.installed) return;
  crash.installed = true;
  RecordMainStack();

  // A stack overflow leaves no stack to run the handler on, hence its own.
  stack_t alt{};
  alt.ss_sp = crash.alt_stack;
  alt.ss_size = kAltStackSize;
  sigaltstack(&alt, nullptr);

  struct sigaction action{};
  action.sa_sigaction = OnFault;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (int s : kFaultSignals) sigaction(s, &action, nullptr);
}

}  // namespace tazmix
