#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

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

// The r that makes the candidate `number`: the middle of its interval.
inline double valueFor(int number) {
    return (number - 0.5) / 70.0;
}

}  // namespace zarno::test
