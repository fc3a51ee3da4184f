#include "core/rules/RunControl.h"

namespace zarno {
namespace {

bool changeable(RunState state) {
    return state == RunState::ready || state == RunState::cleared;
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
    const auto play = playOf(entries);
    if (const auto* refusal = std::get_if<Refusal>(&play)) {
        return *refusal;
    }
    frame_ = frameFor(entries.level);
    series_.begin(std::get<Play>(play));
    state_ = RunState::running;
    return std::nullopt;
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
    const auto play = playOf(entries);
    if (const auto* refusal = std::get_if<Refusal>(&play)) {
        return *refusal;
    }
    series_.resume(std::get<Play>(play));
    state_ = RunState::running;
    return std::nullopt;
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
