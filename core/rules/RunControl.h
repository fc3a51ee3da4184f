#pragma once

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

// The main window's rules: the run state, changed only by the transitions below, over the series
// it drives. The window reads the entries when a transition needs them and shows what a
// transition refuses; its controls never let a transition through in a state that does not take
// it, and here such a call changes nothing.
class RunControl {
public:
    explicit RunControl(Series& series) : series_(series) {}

    RunState state() const { return state_; }
    // How many number boxes the level last chosen opens while the play can be changed.
    int boxes() const { return boxes_; }
    // The level whose result frame the series shows, 0 for none.
    int frame() const { return frame_; }

    // Ready, cleared: the player chose a level from the list.
    void chooseLevel(std::optional<double> level);
    // Ready, cleared: a new series, running; or a refusal, and nothing changes.
    std::optional<Refusal> start(const Entries& entries);
    // Running, ended: paused after the pass in progress.
    void pause();
    // Paused: running again, the tallies carried on.
    std::optional<Refusal> resume(const Entries& entries);
    // Paused, cleared: the series' counts back to 0, cleared; the boxes follow the level as it
    // stands.
    void startOver(std::optional<double> level);
    // Any state: closed.
    void close();

    // While running, commits the rows that are ready (see Series::commit); a series that ends by
    // itself leaves the run ended.
    Progress tick(Series::Deadline deadline);

private:
    Series& series_;
    RunState state_ = RunState::ready;
    int boxes_ = minLevel;  // the level box starts at the first level
    int frame_ = 0;
};

}  // namespace zarno
