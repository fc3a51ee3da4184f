#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/rules/Entries.h"
#include "core/series/Series.h"

namespace zarno {

// The run states of the main window. The window derives every control's flags from the state.
enum class RunState : std::uint8_t {
    ready,    // loaded: no series started yet
    running,  // rows are drawn
    paused,   // stopped by the player; the series can go on or start over
    cleared,  // started over: a new series waits for its first start
    ended,    // stopped by itself at the row limit; the controls stay as while running
    closed,   // the program ends: nothing more is drawn
};
inline constexpr std::size_t runStateCount = 6;

// What moves the run from one state to another: the player's choices, and the series ending by
// itself at the row limit.
enum class RunEvent : std::uint8_t {
    chooseLevel,  // an entry of the level box's list chosen
    start,        // a new series, of the play the entries make
    pause,        // stops after the pass in progress
    resume,       // goes on with the series, the tallies carried on, with the play read again
    startOver,    // the series' counts back to 0; the boxes follow the level as it stands
    close,        // quit, or the window closed
    end,          // the series stopped by itself
};
inline constexpr std::size_t runEventCount = 7;

// The state each event leads to from each state; none where the state does not take the event,
// which then changes nothing.
inline constexpr auto transitions = [] {
    using S = RunState;
    using E = RunEvent;
    std::array<std::array<std::optional<S>, runEventCount>, runStateCount> to{};
    const auto go = [&to](S from, E event, S next) {
        to[static_cast<std::size_t>(from)][static_cast<std::size_t>(event)] = next;
    };
    go(S::ready, E::chooseLevel, S::ready);
    go(S::ready, E::start, S::running);
    go(S::running, E::pause, S::paused);
    go(S::running, E::end, S::ended);
    go(S::paused, E::resume, S::running);
    go(S::paused, E::startOver, S::cleared);
    go(S::cleared, E::chooseLevel, S::cleared);
    go(S::cleared, E::start, S::running);
    go(S::cleared, E::startOver, S::cleared);
    go(S::ended, E::pause, S::paused);
    for (std::size_t from = 0; from < runStateCount; ++from) {
        go(static_cast<S>(from), E::close, S::closed);
    }
    return to;
}();

constexpr std::optional<RunState> nextState(RunState state, RunEvent event) {
    return transitions[static_cast<std::size_t>(state)][static_cast<std::size_t>(event)];
}

// The main window's rules: the run state, changed only through the transitions, over the series
// it drives. The window reads the entries when an event comes and shows what a transition
// refuses; its controls never let an event through in a state that does not take it.
class RunControl {
public:
    explicit RunControl(Series& series) : series_(series) {}

    RunState state() const { return state_; }
    // How many number boxes the level last chosen opens while the play can be changed.
    int boxes() const { return boxes_; }
    // The level whose result frame the series shows, 0 for none.
    int frame() const { return frame_; }

    // Takes the event when the state does: what the series is to do, then the next state. A
    // start or a continue whose entries make no play is refused, and nothing changes.
    std::optional<Refusal> apply(RunEvent event, const Entries& entries = {});

    // Whether a jackpot stops the drawing with its message. The player may let the series' later
    // jackpots pass, counted but not announced; pausing and continuing keep that choice, and
    // starting over or closing ends it.
    bool jackpotsStop() const { return jackpotsStop_; }
    void letJackpotsPass() { jackpotsStop_ = false; }

    // While running, commits the rows that are ready (see Series::commit); a series that ends by
    // itself ends the run.
    Progress tick(Series::Deadline deadline);

private:
    Series& series_;
    RunState state_ = RunState::ready;
    int boxes_ = minLevel;  // the level box starts at the first level
    int frame_ = 0;
    bool jackpotsStop_ = true;
};

}  // namespace zarno
