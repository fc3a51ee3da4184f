#include "platform/RandomNumbers.h"

#include <exception>
#include <random>

#include "platform/SystemTime.h"

namespace zarno {

std::uint64_t SystemClock::now() {
    return coarseClockNanoseconds();
}

std::uint64_t systemEntropy() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) | device();
}

std::uint64_t freshSeed(Clock& clock, std::uint64_t (*entropy)()) {
    std::uint64_t drawn = 0;
    try {
        drawn = entropy();
    } catch (const std::exception&) {
        // The addresses of a local and of this function differ from run to run where the system
        // randomises the address space; the clocks differ anyway.
        const int local = 0;
        drawn = mix64(reinterpret_cast<std::uintptr_t>(&local)) ^
                reinterpret_cast<std::uintptr_t>(&systemEntropy);
    }
    return mix64(drawn ^ clock.now() ^ wallClockNanoseconds());
}

}  // namespace zarno
