#pragma once

#include <cstddef>

namespace zarno::bench {

// Heap allocations the process has made so far, counted by the malloc family of
// AllocationCounter.cpp, which is linked into the benchmarks only. operator new and Qt's own
// containers allocate through malloc, so every heap allocation is counted.
std::size_t allocationCount();

}  // namespace zarno::bench
