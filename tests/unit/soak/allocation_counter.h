#pragma once

// Live heap allocations of this test program, counted by its own global
// operator new and delete (allocation_counter.cpp), so that a soak test can
// tell whether anything grows while the program runs.

#include <cstdint>

namespace orvalek::soak {

struct HeapInUse {
  std::int64_t allocations = 0;
  std::int64_t bytes = 0;  // as the allocator hands them out, padding included
};

HeapInUse heapInUse();

}  // namespace orvalek::soak
