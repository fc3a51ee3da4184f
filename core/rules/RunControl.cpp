#include "core/rules/RunControl.h"

namespace zarno {
namespace {

bool changeable(RunState state) {
    return state == RunState::ready || state == RunState::cleared;
}

// Hands the play the entries make to `go`; or returns why they make none.
template <class Go>
std::optional<Refusal> withPlayOf(const Entries& entries, Go go) {
    const auto play = playOf(entries);
    if (const auto* refusal = std::get_if<Refusal>(&play)) {
        return *refusal;
    }
    go(std::get<Play>(play));
    return std::nullopt;
}

}  // namespace

void RunControl::chooseLevel(std::optional<double> level) {
    if (changeable(state_)) {
        boxes_ = boxesFor(level);
    }
}

std::optional<Refusal> RunControl::start(const Entries& entries) {
    if (!changeable(state_)) {
        return std::nullopt;
    }
    return withPlayOf(entries, [&](const Play& play) {
        frame_ = frameFor(entries.level);
        series_.begin(play);
        state_ = RunState::running;
    });
}

void RunControl::pause() {
    if (state_ == RunState::running || state_ == RunState::ended) {
        series_.stop();
        state_ = RunState::paused;
    }
}

std::optional<Refusal> RunControl::resume(const Entries& entries) {
    if (state_ != RunState::paused) {
        return std::nullopt;
    }
    return withPlayOf(entries, [&](const Play& play) {
        series_.resume(play);
        state_ = RunState::running;
    });
}

void RunControl::startOver(std::optional<double> level) {
    if (state_ == RunState::paused || state_ == RunState::cleared) {
        series_.startOver();
        frame_ = 0;
        boxes_ = boxesFor(level);
        state_ = RunState::cleared;
    }
}

void RunControl::close() {
    series_.stop();
    state_ = RunState::closed;
}

Progress RunControl::tick(Series::Deadline deadline) {
    if (state_ != RunState::running) {
        return {Tick::stopped};
    }
    const Progress progress = series_.commit(deadline);
    if (!series_.drawing()) {
        state_ = RunState::ended;
    }
    return progress;
}

}  // namespace zarno
