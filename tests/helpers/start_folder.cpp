// Prints what the runtime's start-up saw, one item per line: the start
// folder, the program's path and folder, the current folder, the arguments.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "runtime/application.h"

using namespace tazmix;

namespace {

void PrintLine(const String& s) { std::printf("%s\n", s.ToUTF8String().c_str()); }

int Main() {
  PrintLine(StartDirectory);
  PrintLine(ApplicationPath);
  PrintLine(ApplicationDirectory);
  char cwd[4096];
  std::printf("%s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
  // Arguments keep one character per byte, so their low bytes are the original.
  for (const String& a : ApplicationArgs) std::printf("%s\n", a.ToCString().c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, Main); }
