// Starts the system driver, then touches a forbidden page: the processor
// exception reporter runs with the system's message box hook in place.
#include <sys/mman.h>

#include "runtime/application.h"
#include "system/system_driver.h"

using namespace tazmix;

namespace {

int Main() {
  InitSystem();
  void* page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (page == MAP_FAILED) return 3;
  *static_cast<volatile int*>(page) = 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunApplication(argc, argv, Main); }
