#pragma once

#include <cstdint>

#include "core/rules/RunControl.h"

namespace zarno::ui {

// How a control looks to the player.
enum class Look : std::uint8_t {
    on,      // shown and enabled
    off,     // shown and disabled
    hidden,  // hidden, and enabled for when it shows again: a hidden control takes no click
};

// Every run control's look in one run state. The number boxes and the result frames follow the
// level: where `numbers` is set, the boxes the chosen level asks for are enabled and the rest
// disabled, else all are disabled; where `frame` is set, the series' frame shows, else none.
// Quit and the chart's button are always shown and enabled.
struct RunLook {
    Look start, pause, resume, startOver, level, fast;
    bool numbers = false;
    bool frame = false;
};

const RunLook& lookOf(RunState state);

}  // namespace zarno::ui
