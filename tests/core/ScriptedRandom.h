#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "RandomNumbers.h"

namespace zarno::test {

// A generator that returns a script of values r, 0 <= r < 1, for pinning down what the draw does
// with each. Each is handed out as the 32 bits it stands for, rounded down.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}

    std::uint32_t nextBits() {
        return static_cast<std::uint32_t>(values_.at(used_++) * 4294967296.0);
    }
    void reseed() { ++reseeds_; }

    std::size_t used() const { return used_; }
    int reseeds() const { return reseeds_; }

private:
    std::vector<double> values_;
    std::size_t used_ = 0;
    int reseeds_ = 0;
};

// A clock that stands still unless told to move: rows drawn on it must still differ.
class ScriptedClock final : public Clock {
public:
    explicit ScriptedClock(std::uint64_t reading = 1'700'000'000'000'000'000u)
        : reading_(reading) {}
    std::uint64_t now() override { return reading_; }
    void advance(std::uint64_t ticks) { reading_ += ticks; }

private:
    std::uint64_t reading_;
};

// The r that makes the candidate `number`: the middle of its interval.
inline double valueFor(int number) {
    return (number - 0.5) / 70.0;
}

}  // namespace zarno::test
