#include "RandomNumbers.h"

#include <time.h>

#include <random>

namespace zarno {
namespace {

std::uint64_t readClock(clockid_t id) {
    timespec ts{};
    clock_gettime(id, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(ts.tv_nsec);
}

std::uint64_t startingSeed(Clock& clock) {
    std::random_device device;
    const std::uint64_t entropy = (static_cast<std::uint64_t>(device()) << 32) | device();
    return mix64(entropy ^ clock.now() ^ readClock(CLOCK_REALTIME));
}

}  // namespace

std::uint64_t SystemClock::now() {
    return readClock(CLOCK_REALTIME_COARSE);
}

RandomNumbers::RandomNumbers(Clock& clock) : RandomNumbers(clock, startingSeed(clock)) {}

RandomNumbers::RandomNumbers(Clock& clock, std::uint64_t seed) : clock_(clock), engine_(seed) {}

}  // namespace zarno
