#pragma once

#include <cstdint>

namespace zarno {

// The wall clock in nanoseconds since 1970, at the system's coarse resolution (a few
// milliseconds), for reading before every row: the cheapest reading the system offers.
std::uint64_t coarseWallClockNanoseconds() noexcept;

// The wall clock at the system's finest resolution, for seeding.
std::uint64_t preciseWallClockNanoseconds() noexcept;

}  // namespace zarno
