#pragma once

#include <time.h>

#include <cstdint>

namespace zarno {

// The monotonic clock at its coarse resolution (a few milliseconds): a read costs a few
// nanoseconds, cheap enough for every row.
inline std::uint64_t coarseNanoseconds() noexcept {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(ts.tv_nsec);
}

}  // namespace zarno
