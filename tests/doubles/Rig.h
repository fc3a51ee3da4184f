#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <thread>

#include "core/Simulator.h"
#include "core/engine/RowEngine.h"
#include "doubles/Clocks.h"
#include "doubles/FakeServices.h"
#include "doubles/FakeWindow.h"

namespace zarno::test {

// Ticks as the window's thread does, but a stretch at a time, until the series reaches `rows`
// or the run stops. Rows that are not ready yet are waited for.
inline void drawTo(Simulator& simulator, std::int64_t rows) {
    while (simulator.running() && simulator.state().Rows < rows) {
        if (simulator.tick(Simulator::Deadline{}) == Simulator::Tick::waiting) {
            std::this_thread::yield();
        }
    }
}

// A simulator with its window and services in memory and rows from a real engine on a clock
// that stands still, loaded.
struct Rig {
    explicit Rig(unsigned workers = 2, std::uint64_t seed = 2026,
                 const RowEngine::StartThread& start = {})
        : engine(clock, seed, workers, start) {
        simulator.Form_Load();
    }

    SimulationState& state() { return simulator.state(); }
    void play(std::string_view level, std::initializer_list<std::string_view> numbers) {
        window.setLevel(level);
        window.setNumbers(numbers);
    }
    // The user pauses once the series has reached `rows`; the window then shows its captions.
    void pauseAt(std::int64_t rows) {
        drawTo(simulator, rows);
        simulator.cmdTauko_Click();
        simulator.presentResults();
    }

    ScriptedClock clock;
    RowEngine engine;
    FakeWindow window;
    FakeServices services;
    Simulator simulator{window, services, engine, Wording('.')};
};

}  // namespace zarno::test
