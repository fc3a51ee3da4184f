#pragma once

#include <atomic>
#include <cstddef>

namespace zarno::bench {

// Heap allocations made by the process so far; counted by the replaced operator new of
// AllocationCounter.cpp, linked into the benchmarks only.
std::size_t allocationCount();

}  // namespace zarno::bench
