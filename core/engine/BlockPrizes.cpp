#include "core/engine/BlockPrizes.h"

#include <algorithm>

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
    std::uint32_t won = 0;
    beforeTenth[0] = 0;
    for (std::size_t thousand = 0; thousand < tens.size(); ++thousand) {
        TensWon& counted = tens[thousand];
        counted = {};
        for (std::size_t t = thousand * tensAThousand; t < (thousand + 1) * tensAThousand; ++t) {
            std::uint32_t part = 0;
            for (std::size_t r = t * tenRows; r < (t + 1) * tenRows; ++r) {
                part += prizeOf[hits[r]];
            }
            won += part;
            beforeTenth[t + 1] = won;
            ++counted[std::min<std::size_t>(part, tenRows + 1)];
        }
    }
}

}  // namespace zarno
