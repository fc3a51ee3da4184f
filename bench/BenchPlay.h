#pragma once

#include "core/engine/Play.h"

namespace zarno::bench {

// The numbers 1, 8, 15, ... at a level: what the window benchmark chooses in its boxes.
inline Play benchPlay(int level) {
    Play play;
    play.level = level;
    for (int i = 0; i < level; ++i) {
        play.numbers[static_cast<std::size_t>(i)] = 7 * i + 1;
    }
    return play;
}

}  // namespace zarno::bench
