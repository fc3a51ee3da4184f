#pragma once

// The lanes' loop for each target this build has, each compiled for its own instructions in a
// file of its own, and how many blocks it draws together.

#include <cstddef>
#include <span>

#include "core/engine/Lanes.h"

namespace zarno::lanes {

struct Kernel {
    void (*draw)(LaneBlock* blocks, std::size_t count, int first, int rows, const int* numbers,
                 Clock& clock);
    int lanes;
};

// Draws the blocks with a kernel, as many at a time as its lanes draw together.
void drawGroups(const Kernel& kernel, std::span<LaneBlock> blocks, int first, int rows,
                const Play& play, Clock& clock);

#if defined(__GNUC__) && defined(__x86_64__)
#define ZARNO_LANES_X86 1
extern const Kernel avx2Kernel;
extern const Kernel avx512Kernel;
#elif defined(__GNUC__) && defined(__aarch64__)
#define ZARNO_LANES_ARM 1
extern const Kernel neonKernel;
#endif

}  // namespace zarno::lanes
