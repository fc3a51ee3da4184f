#include "platform/SystemTime.h"

#include <time.h>

namespace zarno {
namespace {

std::uint64_t read(clockid_t id) noexcept {
    timespec ts{};
    clock_gettime(id, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(ts.tv_nsec);
}

}  // namespace

// Linux reads its coarse clock from the vDSO, without a system call: a few nanoseconds.
std::uint64_t coarseClockNanoseconds() noexcept {
#ifdef CLOCK_REALTIME_COARSE
    return read(CLOCK_REALTIME_COARSE);
#else
    return read(CLOCK_REALTIME);
#endif
}

std::uint64_t wallClockNanoseconds() noexcept {
    return read(CLOCK_REALTIME);
}

}  // namespace zarno
