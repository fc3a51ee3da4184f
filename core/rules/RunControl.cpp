#include "core/rules/RunControl.h"

namespace zarno {

std::optional<Refusal> RunControl::apply(RunEvent event, const Entries& entries) {
    const std::optional<RunState> next = nextState(state_, event);
    if (!next) {
        return std::nullopt;
    }
    switch (event) {
        case RunEvent::start:
        case RunEvent::resume: {
            const auto play = playOf(entries);
            if (const auto* refusal = std::get_if<Refusal>(&play)) {
                return *refusal;
            }
            if (event == RunEvent::start) {
                frame_ = frameFor(entries.level);
                series_.begin(std::get<Play>(play));
            } else {
                series_.resume(std::get<Play>(play));
            }
            break;
        }
        case RunEvent::chooseLevel:
            boxes_ = boxesFor(entries.level);
            break;
        case RunEvent::startOver:
            series_.startOver();
            frame_ = 0;
            boxes_ = boxesFor(entries.level);
            jackpotsStop_ = true;
            break;
        case RunEvent::close:
            jackpotsStop_ = true;
            series_.stop();
            break;
        case RunEvent::pause:
        case RunEvent::end:
            series_.stop();
            break;
    }
    state_ = *next;
    return std::nullopt;
}

Progress RunControl::tick(Series::Deadline deadline) {
    if (state_ != RunState::running) {
        return {Tick::stopped};
    }
    const Progress progress = series_.commit(deadline);
    if (!series_.drawing()) {
        apply(RunEvent::end);
    }
    return progress;
}

}  // namespace zarno
