#include "core/engine/BlockPrizes.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace zarno {

PrizeOf prizesOf(const Play& play) {
    PrizeOf prizeOf{};
    if (isLevel(play.level)) {
        for (int k = 0; k <= play.level; ++k) {
            prizeOf[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(prize(play.level, k));
        }
    }
    return prizeOf;
}

void BlockPrizes::keep(std::span<const std::uint8_t> hits, const PrizeOf& prizeOf) {
    constexpr std::size_t tensAThousand = strideRows / tenRows;
    constexpr std::size_t tensAHundred = peakRows / tenRows;
    std::uint32_t won = 0;
    beforeTenth[0] = 0;
    std::size_t depth = 0;  // how far below the start the rows so far may net
    for (std::size_t thousand = 0; thousand < tens.size(); ++thousand) {
        std::array<std::uint32_t, tensAThousand> parts;
        for (std::size_t t = 0; t < tensAThousand; ++t) {
            std::uint32_t part = 0;
            for (std::size_t r = 0; r < tenRows; ++r) {
                part += prizeOf[hits[(thousand * tensAThousand + t) * tenRows + r]];
            }
            parts[t] = part;
        }
        TensWon counted{};
        for (std::size_t hundred = 0; hundred < tensAThousand / tensAHundred; ++hundred) {
            std::int64_t high = std::numeric_limits<std::int64_t>::min();
            for (std::size_t h = 0; h < tensAHundred; ++h) {
                const std::uint32_t part = parts[hundred * tensAHundred + h];
                const std::size_t t = thousand * tensAThousand + hundred * tensAHundred + h;
                const auto net =
                    static_cast<std::int64_t>(won) - static_cast<std::int64_t>(t * tenRows);
                // A tenth goes ten deeper at most. Written where the depths beyond those
                // reached so far are, it stays only where this tenth is the first to reach them.
                std::array<std::uint16_t, downWritten> same;
                same.fill(static_cast<std::uint16_t>(t));
                std::memcpy(&tenthDown[depth + 1], same.data(), sizeof same);
                depth = std::max(depth, static_cast<std::size_t>(std::max<std::int64_t>(
                                            0, static_cast<std::int64_t>(tenRows) - net)));
                // No row of a tenth nets more than the tenth's start and all that it won.
                high = std::max(high, net + part);
                won += part;
                beforeTenth[t + 1] = won;
                ++counted[std::min<std::size_t>(part, tenRows + 1)];
            }
            peak[thousand * tensAThousand / tensAHundred + hundred] = high;
        }
        tens[thousand] = counted;
    }
    deepest = depth;
}

// The way to where the first tenth that may end the balance starts is passed in one step, unless
// a row on it may reach the goal; from there on, tenths that can neither end the balance nor
// reach the goal are passed by their sums, and the rest goes row by row.
StretchPrizes::Played StretchPrizes::play(std::size_t at, std::uint32_t won, std::int64_t balance,
                                          std::size_t most,
                                          std::optional<std::int64_t> goal) const {
    const BlockPrizes& block = *block_;
    std::size_t row = first_ + at;
    const std::size_t last = row + most;
    const std::int64_t start =
        static_cast<std::int64_t>(origin_ + won) - static_cast<std::int64_t>(row);
    const std::int64_t gone = start - balance;  // the net at which the balance is gone
    const std::int64_t high = goal ? gone + *goal : std::numeric_limits<std::int64_t>::max();
    std::int64_t net = start;
    if (gone < 0) {
        const auto depth = static_cast<std::size_t>(-gone);
        const std::size_t ends =
            depth <= block.deepest ? block.tenthDown[depth] * tenRows : blockRows;
        const std::size_t to = std::min(last, ends);
        bool mayReach = false;
        for (std::size_t h = row / BlockPrizes::peakRows; goal && h * BlockPrizes::peakRows < to;
             ++h) {
            mayReach = mayReach || block.peak[h] >= high;
        }
        if (to > row && !mayReach) {
            net = static_cast<std::int64_t>(wonBefore(to)) - static_cast<std::int64_t>(to);
            row = to;
        }
    }
    // In locals, as the hits' bytes could otherwise be anything the loop reads.
    const std::uint8_t* const hits = hits_;
    const PrizeOf& prizeOf = *prizeOf_;
    std::size_t tenth = (row + tenRows - 1) / tenRows * tenRows;  // the next tenth row
    bool reached = false;
    while (row < last && net > gone) {
        if (row == tenth) {
            tenth += tenRows;
            if (tenth <= last && net - static_cast<std::int64_t>(tenRows) > gone) {
                const std::int64_t highest =
                    static_cast<std::int64_t>(block.beforeTenth[row / tenRows + 1]) -
                    static_cast<std::int64_t>(row);
                if (highest < high) {
                    row = tenth;
                    net = highest - static_cast<std::int64_t>(tenRows);
                    continue;
                }
            }
        }
        net += static_cast<std::int64_t>(prizeOf[hits[row++]]) - 1;
        reached = reached || net >= high;
    }
    const std::size_t played = row - first_ - at;
    return {played, static_cast<std::uint32_t>(net - start + static_cast<std::int64_t>(played)),
            reached};
}

}  // namespace zarno
