#include "platform/RandomNumbers.h"

#include <random>

#include "platform/SystemTime.h"

namespace zarno {

std::uint64_t SystemClock::now() {
    return coarseClockNanoseconds();
}

std::uint64_t freshSeed(Clock& clock) {
    std::random_device device;
    const std::uint64_t entropy = (static_cast<std::uint64_t>(device()) << 32) | device();
    return mix64(entropy ^ clock.now() ^ wallClockNanoseconds());
}

}  // namespace zarno
