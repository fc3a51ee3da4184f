#pragma once

#include <atomic>
#include <cstdint>

#include "platform/RandomNumbers.h"

namespace zarno::test {

// A clock that stands still unless told to move: rows drawn on it must still differ, and a fixed
// seed draws the same rows every time. Workers may read it while a test moves it.
class ScriptedClock final : public Clock {
public:
    explicit ScriptedClock(std::uint64_t reading = 1'700'000'000'000'000'000u)
        : reading_(reading) {}
    std::uint64_t now() override { return reading_.load(std::memory_order_relaxed); }
    void advance(std::uint64_t ticks) { reading_.fetch_add(ticks, std::memory_order_relaxed); }

private:
    std::atomic<std::uint64_t> reading_;
};

}  // namespace zarno::test
