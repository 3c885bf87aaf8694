// Ends in the way its first argument names, for the tests of the uncaught
// path, the exit handlers and the game's return code.
#include <cstdio>
#include <cstring>

#include "runtime/application.h"
#include "runtime/exception.h"

using namespace tazmix;

namespace {

const char* g_kind = "";

void SayHandlerRan() {
  std::fputs("exit handler ran", stdout);
  std::fflush(stdout);
}

void ThrowInsideNoexcept() noexcept { ThrowRuntimeError("escaped"); }

int Main() {
  const std::string kind = g_kind;
  if (kind == "runtime") ThrowRuntimeError("boom");
  if (kind == "string") Throw(String(u"PNG ERROR \u00e4"));
  if (kind == "noexcept") ThrowInsideNoexcept();
  if (kind == "handler") {
    RegisterExitHandler(SayHandlerRan);
    ThrowRuntimeError("after handler");
  }
  if (kind == "end") {
    RegisterExitHandler(SayHandlerRan);
    EndApplication();
  }
  return 7;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) g_kind = argv[1];
  return RunApplication(argc, argv, Main);
}
