#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/RowEngine.h"
#include "core/Scoring.h"
#include "core/SimulationState.h"
#include "core/WindowPort.h"
#include "platform/RuntimeServices.h"

namespace zarno {

// The rules of the simulator: the window's event handlers and the procedures they call, working
// on the series' state. Rows come from the engine; the window is reached through WindowPort and
// the runtime through RuntimeServices.
class Simulator {
public:
    // Rows at which the drawing stops by itself.
    static constexpr double rowLimit = 4'000'000'000.0;
    // How long a pass waits for rows before it pumps events without any, so that the window
    // answers even when the workers get no processor time.
    static constexpr std::chrono::milliseconds patience{20};

    Simulator(WindowPort& window, RuntimeServices& services, RowEngine& engine,
              char decimalSeparator);

    void Form_Load();
    void cmdAloitaArvonta_Click();
    void cmdTauko_Click();
    void cmdJatka_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void cmbTaso_Click();

    void ShowLevelPanel();
    void HideLevelPanel();

    // Reads the level, the numbers and fast mode from the window. The draw loop does this when
    // a run starts or continues; their controls then stay disabled until the run ends.
    void readRunSettings();
    // One pass's rows, already added to Rows and the last of them in Drawn: tallies them,
    // announces a jackpot (a pass at level 10 ends at its 10-hit row), refreshes the level's
    // display under the fast-mode rule, pumps events and refreshes the row counter.
    void ScoreRows(const HitCounts& rows);
    // Writes the captions whose values changed since they were last presented.
    void presentResults();

    SimulationState& state() { return state_; }
    const SimulationState& state() const { return state_; }
    const Play& play() const { return play_; }

private:
    // What the result labels and the row counter are to show, kept as values: captions are
    // formatted from them only when presented, at most once per screen frame.
    struct Shown {
        int level = 0;
        std::int64_t rows = 0;
        std::int64_t winnings = 0;
        HitCounts hits{};
        std::int64_t counter = 0;
        std::int64_t jackpots = 0;
        std::int64_t jackpotRows = 0;
        bool levelPending = false;
        bool counterPending = false;
        bool jackpotPending = false;
    };

    std::optional<double> levelValue() const;
    bool numbersComplete(double level) const;
    void setLevelFrameVisible(bool visible);
    std::span<const std::uint8_t> takeRows(std::int64_t most, bool atLeastOne);
    bool refreshAllowed() const;
    void showCounter(std::int64_t rows);
    void announceJackpot();
    void showMessage(std::string_view text);

    WindowPort& window_;
    RuntimeServices& services_;
    RowEngine& engine_;
    char separator_;
    SimulationState state_;
    Play play_;
    int fastMode_ = 0;
    Shown shown_;
    std::string caption_;  // reused for every caption
    std::string message_;
};

}  // namespace zarno
