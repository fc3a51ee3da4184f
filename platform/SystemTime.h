#pragma once

#include <cstdint>

// The operating system's clocks, with one implementation per system (platform/posix,
// platform/windows, platform/macos), chosen when the program is built.
namespace zarno {

// A clock of coarse resolution (a few milliseconds), in nanoseconds: the cheapest reading the
// system offers, for reading before every row.
std::uint64_t coarseClockNanoseconds() noexcept;

// The wall clock at the system's finest resolution, in nanoseconds since 1970, for seeding.
std::uint64_t wallClockNanoseconds() noexcept;

}  // namespace zarno
