// Makes the shared GL context and reports success; tests run it where no
// video driver can start, to see how the failure ends the process.
#include <cstdio>

#include "glback/gl_graphics.h"

int main() {
  tazmix::GLShareContexts();
  std::puts("shared context made");
  return 0;
}
