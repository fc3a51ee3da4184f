#pragma once

#include <cstdint>

#include <pcg_random.hpp>

namespace zarno {

// A bijective 64-bit mixer (the splitmix64 finalizer): for a fixed clock reading it permutes the
// generator's state, so a clock that does not move never collapses two states into one.
constexpr std::uint64_t mix64(std::uint64_t x) noexcept {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9u;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebu;
    x ^= x >> 31;
    return x;
}

// A reading of a clock, in its own ticks. The generator mixes it into its state at every reseed.
// Worker threads read it concurrently, so an implementation must allow that.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t now() = 0;
};

// The operating system's clock at its coarse resolution (a few milliseconds): cheap enough to
// read before every row, and many rows then fall within one tick.
class SystemClock final : public Clock {
public:
    std::uint64_t now() override;
};

// 64 bits from the operating system's entropy source; throws where the system has none.
std::uint64_t systemEntropy();

// A clock that stands still: with it the reseeds mix in nothing that changes, and a seed alone
// decides every row, whatever the machine and the number of worker threads.
class StillClock final : public Clock {
public:
    std::uint64_t now() override { return 0; }
};

// A seed no earlier run of the program used: the operating system's entropy and the clock. Where
// the entropy source fails, the clocks and where the system placed the program in memory stand in
// for it.
std::uint64_t freshSeed(Clock& clock, std::uint64_t (*entropy)() = systemEntropy);

// The runtime's random-number service: uniform values 0 <= r < 1 from a PCG generator, and a
// reseed that mixes a clock reading into the generator's current state. Because the state is
// kept, rows drawn within one tick of the clock still differ.
class RandomNumbers {
public:
    RandomNumbers(Clock& clock, std::uint64_t seed, std::uint64_t stream = 0)
        : clock_(clock), engine_(seed, stream) {}

    // The next value of the sequence as 32 random bits; the value r it stands for is
    // bits / 2^32, so 0 <= r < 1.
    std::uint32_t nextBits() noexcept { return engine_(); }
    double next() noexcept { return toUnit(nextBits()); }

    static constexpr double toUnit(std::uint32_t bits) noexcept {
        return static_cast<double>(bits) * (1.0 / 4294967296.0);
    }

    void reseed() noexcept { engine_.mixIn(clock_.now()); }

    // Where the sequence stands. Returning to a position replays the values that followed it,
    // so a row can be drawn again from the position its reseed left.
    std::uint64_t position() const noexcept { return engine_.state(); }
    void moveTo(std::uint64_t position) noexcept { engine_.setState(position); }
    // What each step adds to the state: the generator's stream, for drawing the same sequence
    // elsewhere, as the processor's vector lanes do.
    std::uint64_t increment() const noexcept { return engine_.step(); }
    static constexpr std::uint64_t multiplier = 6364136223846793005u;

private:
    class Engine : public pcg32 {
    public:
        using pcg32::pcg32;
        void mixIn(std::uint64_t reading) noexcept { state_ = mix64(state_ ^ reading); }
        std::uint64_t state() const noexcept { return state_; }
        void setState(std::uint64_t state) noexcept { state_ = state; }
        std::uint64_t step() const noexcept { return this->increment(); }
    };

    Clock& clock_;
    Engine engine_;
};

}  // namespace zarno
