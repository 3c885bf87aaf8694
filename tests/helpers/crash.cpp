// Causes the processor exception its first argument names, for the tests of
// the crash reporter. "hook" also installs a message hook.
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "runtime/application.h"
#include "runtime/internal/crash_reporter.h"

using namespace tazmix;

namespace {

const char* g_kind = "";

// The real processor division is wanted here, not the sanitizer's check.
__attribute__((noinline, no_sanitize("integer-divide-by-zero"))) int Divide(int a, int b) { return a / b; }

// Likewise the real access through Null.
__attribute__((noinline, no_sanitize("null"))) int ReadThrough(volatile int* p) { return *p; }

__attribute__((noinline)) int Recurse(int depth) {
  volatile char pad[512];
  pad[0] = static_cast<char>(depth);
  if (depth == -1) return pad[0];  // never true; keeps the call from becoming a loop
  return Recurse(depth + 1) + pad[0];
}

void WriteHookName(const char* name) {
  const char prefix[] = "hook saw ";
  (void)!write(STDERR_FILENO, prefix, sizeof prefix - 1);
  (void)!write(STDERR_FILENO, name, std::strlen(name));
}

int Main() {
  const std::string kind = g_kind;
  volatile int zero = 0, seven = 7;
  if (kind == "divide") return Divide(seven, zero);
  if (kind == "null") return ReadThrough(nullptr);
  if (kind == "overflow") return Recurse(0);
  if (kind == "illegal") __builtin_trap();
#if defined(__x86_64__) || defined(__i386__)
  if (kind == "breakpoint") asm volatile("int3");
#endif
  if (kind == "hook") {
    SetCrashMessageHook(WriteHookName);
    // A page that may not be touched: a plain access violation.
    void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (page == MAP_FAILED) return 3;
    *static_cast<volatile int*>(page) = 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) g_kind = argv[1];
  return RunApplication(argc, argv, Main);
}
