// The reporter for processor exceptions (POSIX signals).
//
// A fault signal (SIGSEGV, stack overflow included, SIGFPE, SIGILL, SIGBUS,
// SIGTRAP) is mapped by its si_code to one of the exception names below. The
// handler writes the name and a line end to standard error, calls the message
// hook (the system layer shows its message box through it), and then ends the
// process by re-raising the signal with its default action, so the failure is
// never reported as success.
#pragma once

namespace tazmix {

// Called from inside the signal handler, on the alternate signal stack, with
// the exception's name. The process is already broken: keep it short. A fault
// inside the hook ends the process with the default action.
using CrashMessageHook = void (*)(const char* name);

// Installs the handlers and the alternate signal stack; safe to call again.
void InstallCrashReporter();
// Replaces the hook; nullptr removes it.
void SetCrashMessageHook(CrashMessageHook hook);

// The exception name for a signal and its si_code, "EXCEPTION_UNKNOWN" when
// none fits. `stack_overflow` marks a SIGSEGV whose address lies in the main
// thread's stack guard area.
const char* CrashExceptionName(int signal_number, int code, bool stack_overflow = false);

}  // namespace tazmix
