#include "platform/SystemTime.h"

#include <time.h>

namespace zarno {

// The approximate clock is updated at context switches, and reading it costs no more than a
// read of shared memory.
std::uint64_t coarseClockNanoseconds() noexcept {
    return clock_gettime_nsec_np(CLOCK_MONOTONIC_RAW_APPROX);
}

std::uint64_t wallClockNanoseconds() noexcept {
    return clock_gettime_nsec_np(CLOCK_REALTIME);
}

}  // namespace zarno
