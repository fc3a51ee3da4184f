#pragma once

#include <cstdint>
#include <functional>

#include "cli/Options.h"
#include "core/series/SeriesRecord.h"

namespace zarno::cli {

// What the rows drawn have shown.
struct Drawn {
    SeriesRecord record;
    bool interrupted = false;  // Ctrl+C stopped the drawing before the rows asked for
};

// Draws the rows the request asks for as the window draws them: the same engine on every usable
// processor, the same stretches. With a seed the clock stands still, so that the seed alone
// decides every row. `progress` hears of the rows drawn after every stretch; Ctrl+C, once
// watched, stops the drawing at the next stretch.
Drawn drawRows(const Request& request, const std::function<void(std::int64_t rows)>& progress);

}  // namespace zarno::cli
