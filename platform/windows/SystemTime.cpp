#include "platform/SystemTime.h"

#include <windows.h>

namespace zarno {
namespace {

// FILETIME counts 100-nanosecond ticks from 1601.
constexpr std::uint64_t ticksFrom1601To1970 = 116'444'736'000'000'000u;

std::uint64_t nanosecondsOf(const FILETIME& time) noexcept {
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return (ticks - ticksFrom1601To1970) * 100;
}

}  // namespace

// The system time as the scheduler's tick last set it (about 16 ms): a read of shared memory.
std::uint64_t coarseClockNanoseconds() noexcept {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    return nanosecondsOf(time);
}

std::uint64_t wallClockNanoseconds() noexcept {
    FILETIME time;
    GetSystemTimePreciseAsFileTime(&time);
    return nanosecondsOf(time);
}

}  // namespace zarno
