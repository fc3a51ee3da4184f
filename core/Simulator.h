#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "core/WindowPort.h"
#include "core/engine/Play.h"
#include "core/engine/RowEngine.h"
#include "core/series/SeriesRecord.h"
#include "core/series/SimulationState.h"
#include "core/text/Wording.h"
#include "platform/RuntimeServices.h"

namespace zarno {

// The rules of the simulator: the window's event handlers and the procedures they call, working
// on the series' state. Rows come from the engine; the window is reached through WindowPort and
// the runtime through RuntimeServices.
//
// A run is not a loop: the start handler sets it going and returns, and the window's thread then
// calls tick() from its event loop whenever rows may be ready. The handlers only switch states,
// so none of them ever runs inside another.
class Simulator {
public:
    // Rows at which the drawing stops by itself.
    static constexpr double rowLimit = 4'000'000'000.0;

    using Deadline = std::chrono::steady_clock::time_point;
    // What the window's thread is to do after a tick.
    enum class Tick {
        stopped,  // no run goes on: nothing to tick for until a handler starts one
        waiting,  // the run waits for rows: tick again when the engine wakes the window
        more,     // time ran out with rows still ready: tick again as soon as events allow
    };

    Simulator(WindowPort& window, RuntimeServices& services, RowEngine& engine, Wording wording);

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
    // Commits the rows that are ready, a stretch at a time, until none is ready, the run stops
    // or the deadline has passed; at least one stretch when one is ready. A stretch ends at the
    // next 1000th row, a 10-hit row at level 10 or the row limit, so that every row the fast-mode
    // rule or a message shows ends one. Does nothing inside a message box that a tick opened.
    Tick tick(Deadline deadline);
    // Whether a run goes on, so that ticks have rows to commit.
    bool running() const;

    // One stretch's rows, already added to Rows and the last of them in Drawn: tallies them,
    // announces a jackpot (a stretch at level 10 ends at its 10-hit row), and refreshes the
    // level's display and then the row counter under the fast-mode rule.
    void ScoreRows(const HitCounts& rows);
    // Writes the captions whose values changed since they were last presented.
    void presentResults();

    SimulationState& state() { return state_; }
    const SimulationState& state() const { return state_; }
    const Play& play() const { return play_; }
    // What the series has shown, for the chart.
    const SeriesRecord& record() const { return record_; }
    // The level the level box's text names, 0 when it names none.
    int chosenLevel() const;

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
    bool commitStretch();
    bool refreshAllowed() const;
    void showCounter(std::int64_t rows);
    void announceJackpot();
    void showMessage(std::string_view text);

    WindowPort& window_;
    RuntimeServices& services_;
    RowEngine& engine_;
    Wording wording_;
    SimulationState state_;
    SeriesRecord record_;
    Play play_;
    int fastMode_ = 0;
    bool going_ = false;         // set going by a start; goes on until StopRequested
    bool limitRowOwed_ = false;  // the row limit's message was shown; one more row follows it
    bool ticking_ = false;
    bool ended_ = false;
    Shown shown_;
    std::string caption_;  // reused for every caption
    std::string message_;
};

}  // namespace zarno
