#include "core/engine/BlockPrizes.h"

#include <algorithm>
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
    constexpr std::size_t tensAHundred = hundredRows / tenRows;
    std::uint32_t won = 0;
    beforeTenth[0] = 0;
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
            Bounds bounds{std::numeric_limits<std::int64_t>::max(),
                          std::numeric_limits<std::int64_t>::min()};
            for (std::size_t h = 0; h < tensAHundred; ++h) {
                const std::uint32_t part = parts[hundred * tensAHundred + h];
                const std::size_t t = thousand * tensAThousand + hundred * tensAHundred + h;
                const auto net =
                    static_cast<std::int64_t>(won) - static_cast<std::int64_t>(t * tenRows);
                // A row costs a euro, so no row of a tenth nets below the tenth's start less ten,
                // nor above that start and all that the tenth won.
                bounds.lowest = std::min(bounds.lowest, net - static_cast<std::int64_t>(tenRows));
                bounds.highest = std::max(bounds.highest, net + part);
                won += part;
                beforeTenth[t + 1] = won;
                ++counted[std::min<std::size_t>(part, tenRows + 1)];
            }
            hundreds[thousand * tensAThousand / tensAHundred + hundred] = bounds;
        }
        tens[thousand] = counted;
    }
}

// Hundreds whose rows can neither end the balance nor reach the goal are passed by their sums.
// Within any other, a row loses a euro at most, so the rows before the balance could first be
// gone are passed in one step, unless all that they won may reach the goal. What is read stays
// within a few cache lines of the block, which the workers wrote on other cores.
StretchPrizes::Played StretchPrizes::play(std::size_t at, std::uint32_t won, std::int64_t balance,
                                          std::size_t most, std::int64_t goal) const {
    const BlockPrizes& block = *block_;
    std::size_t row = first_ + at;
    const std::size_t last = row + most;
    const std::int64_t start =
        static_cast<std::int64_t>(origin_ + won) - static_cast<std::int64_t>(row);
    const std::int64_t gone = start - balance;  // the net at which the balance is gone
    std::int64_t high = goal == noGoal ? noGoal : gone + goal;
    // In locals, as the hits' bytes could otherwise be anything the loop reads.
    const std::uint8_t* const hits = hits_;
    const PrizeOf& prizeOf = *prizeOf_;
    const auto netBefore = [this](std::size_t r) {
        return static_cast<std::int64_t>(wonBefore(r)) - static_cast<std::int64_t>(r);
    };
    std::int64_t net = start;
    bool reached = false;
    while (row < last && net > gone) {
        // The hundreds' bounds do not depend on the net, so they are looked at one after another
        // and the net is read once, where they stop.
        std::size_t hundred = row / BlockPrizes::hundredRows;
        while ((hundred + 1) * BlockPrizes::hundredRows <= last &&
               block.hundreds[hundred].lowest > gone && block.hundreds[hundred].highest < high) {
            ++hundred;
        }
        if (hundred * BlockPrizes::hundredRows > row) {
            row = hundred * BlockPrizes::hundredRows;
            net = netBefore(row);
        }
        const std::size_t until = std::min(last, (hundred + 1) * BlockPrizes::hundredRows);
        while (row < until && net > gone) {
            const std::size_t to = std::min(until, row + static_cast<std::size_t>(net - gone));
            const std::int64_t netTo = netBefore(to);
            if (netTo + static_cast<std::int64_t>(to - row) < high) {
                row = to;
                net = netTo;
                continue;
            }
            // Row by row to the tenth's end, past the win that may reach the goal; once reached,
            // the goal is no longer looked for.
            for (const std::size_t end = std::min(to, (row / tenRows + 1) * tenRows); row < end;) {
                net += static_cast<std::int64_t>(prizeOf[hits[row++]]) - 1;
                reached = reached || net >= high;
            }
            high = reached ? noGoal : high;
        }
    }
    const std::size_t played = row - first_ - at;
    return {played, static_cast<std::uint32_t>(net - start + static_cast<std::int64_t>(played)),
            reached};
}

}  // namespace zarno
