// Counts the heap allocations of the whole process made through operator new,
// so a scene can tell whether its frames allocate once they run steadily.
// Allocations of C code (the GL driver's own malloc) are not seen.
#pragma once

#include <cstdint>

namespace tazmix::bench {

// operator new calls (every form) since the program started.
uint64_t AllocationCount();

}  // namespace tazmix::bench
