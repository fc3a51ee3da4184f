#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "core/text/Wording.h"

namespace zarno::cli {

// The progress of a drawing on one line of a terminal: the rows, the rows a second, the time
// left and a bar, rewritten at most ten times a second.
class ProgressLine {
public:
    ProgressLine(std::FILE* terminal, std::int64_t target, const Wording& wording);
    void update(std::int64_t rows);
    // Ends the line, so that what follows starts on a line of its own.
    void finish();

private:
    std::FILE* terminal_;
    std::int64_t target_;
    const Wording& wording_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point written_{};
    bool any_ = false;
};

}  // namespace zarno::cli
