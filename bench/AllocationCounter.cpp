#include "bench/AllocationCounter.h"

#include <atomic>
#include <cstdlib>

// glibc's own allocator, under the names it exports for exactly this kind of wrapper.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {
std::atomic<std::size_t> allocations{0};

void count() {
    allocations.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace

std::size_t zarno::bench::allocationCount() {
    return allocations.load(std::memory_order_relaxed);
}

extern "C" {
void* malloc(std::size_t size) {
    count();
    return __libc_malloc(size);
}
void* calloc(std::size_t n, std::size_t size) {
    count();
    return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t size) {
    count();
    return __libc_realloc(p, size);
}
void* memalign(std::size_t alignment, std::size_t size) {
    count();
    return __libc_memalign(alignment, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
    count();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** p, std::size_t alignment, std::size_t size) {
    count();
    *p = __libc_memalign(alignment, size);
    return *p ? 0 : 12;  // ENOMEM
}
}
