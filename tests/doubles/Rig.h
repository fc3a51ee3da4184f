#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "core/RowEngine.h"
#include "core/Simulator.h"
#include "doubles/Clocks.h"
#include "doubles/FakeServices.h"
#include "doubles/FakeWindow.h"

namespace zarno::test {

// A simulator with its window and services in memory and rows from a real engine on a clock
// that stands still, loaded.
struct Rig {
    explicit Rig(unsigned workers = 2, std::uint64_t seed = 2026) : engine(clock, seed, workers) {
        simulator.Form_Load();
    }

    SimulationState& state() { return simulator.state(); }
    void play(std::string_view level, std::initializer_list<std::string_view> numbers) {
        window.setLevel(level);
        window.setNumbers(numbers);
    }
    // The user pauses at the first pumping after the series reaches `rows`.
    void pauseAt(std::int64_t rows) {
        services.onPump = [this, rows] {
            if (state().Rows >= rows) {
                simulator.cmdTauko_Click();
            }
        };
    }

    ScriptedClock clock;
    RowEngine engine;
    FakeWindow window;
    FakeServices services;
    Simulator simulator{window, services, engine, '.'};
};

}  // namespace zarno::test
