#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <span>

#include "core/engine/Play.h"

namespace zarno {

// Rows come in blocks of 10 000, a multiple of the refresh stride, so that every 1000th row of a
// series ends a stretch inside a block.
inline constexpr std::size_t blockRows = 10'000;
inline constexpr auto strideRows = static_cast<std::size_t>(refreshStride);
static_assert(blockRows % strideRows == 0);

// The prize of each hit count at a play's level; a level outside 2..10 wins nothing.
using PrizeOf = std::array<std::uint32_t, maxLevel + 1>;
PrizeOf prizesOf(const Play& play);

// Rows ten at a time: the shortest sessions a series is cut into after single rows.
inline constexpr std::size_t tenRows = 10;
// How many ten-row parts of 1000 rows won each sum from 0 to 10 euros, and, last, how many won
// more.
using TensWon = std::array<std::uint16_t, tenRows + 2>;

// What the rows of a block won, kept by the worker that drew them: the committing thread then
// reads a sum at the ends of a session rather than every row's prize, from the core that wrote
// them. A block's prizes fit 32 bits, since even 10 000 rows of the largest prize come to 2 * 10^9.
struct BlockPrizes {
    static constexpr std::size_t hundredRows = 100;
    // Where the block's net, what its rows won less a euro a row, may be after the rows of a
    // hundred: a balance that stays above the lowest and a goal above the highest let the
    // committing thread pass the hundred in one look rather than a step for every few rows.
    struct Bounds {
        std::int64_t lowest;
        std::int64_t highest;
    };

    std::array<std::uint32_t, blockRows / tenRows + 1> beforeTenth;  // won before each tenth row
    std::array<TensWon, blockRows / strideRows> tens;                // of each 1000 rows
    std::array<Bounds, blockRows / hundredRows> hundreds;

    void keep(std::span<const std::uint8_t> hits, const PrizeOf& prizeOf);
};

// The prizes of a stretch of a block's rows, read from what the block kept; valid while the
// block is.
class StretchPrizes {
public:
    StretchPrizes(const BlockPrizes& block, const std::uint8_t* hits, const PrizeOf& prizeOf,
                  std::size_t first, std::size_t rows)
        : block_(&block),
          hits_(hits),
          prizeOf_(&prizeOf),
          first_(first),
          rows_(rows),
          origin_(wonBefore(first)) {}

    std::size_t rows() const { return rows_; }
    // What the stretch's first `i` rows won, 0 <= i <= rows().
    std::uint32_t before(std::size_t i) const { return wonBefore(first_ + i) - origin_; }
    // What its row `i` won.
    std::uint32_t of(std::size_t i) const { return (*prizeOf_)[hits_[first_ + i]]; }
    // A balance played a row at a time from after the stretch's first `at` rows, which won `won`,
    // winnings back into it, until it is below one row's cost or has played `most` rows: how
    // many it played, what they won, and whether it reached `goal` after any of them. A plain
    // number rather than an optional goal, which would reach the call through memory.
    static constexpr std::int64_t noGoal = std::numeric_limits<std::int64_t>::max();
    struct Played {
        std::size_t rows = 0;
        std::uint32_t won = 0;
        bool reached = false;
    };
    Played play(std::size_t at, std::uint32_t won, std::int64_t balance, std::size_t most,
                std::int64_t goal) const;
    // For a stretch that is one of its block's thousands whole: its ten-row parts by what each
    // won. None for any other stretch.
    const TensWon* tens() const {
        return first_ % strideRows == 0 && rows_ == strideRows ? &block_->tens[first_ / strideRows]
                                                               : nullptr;
    }

private:
    // What the block's rows before `row` won: from the nearer tenth row, row by row.
    std::uint32_t wonBefore(std::size_t row) const {
        const std::size_t tenth = row / tenRows;
        if (row % tenRows <= tenRows / 2) {
            std::uint32_t won = block_->beforeTenth[tenth];
            for (std::size_t r = tenth * tenRows; r < row; ++r) {
                won += (*prizeOf_)[hits_[r]];
            }
            return won;
        }
        std::uint32_t won = block_->beforeTenth[tenth + 1];
        for (std::size_t r = row; r < (tenth + 1) * tenRows; ++r) {
            won -= (*prizeOf_)[hits_[r]];
        }
        return won;
    }

    const BlockPrizes* block_;
    const std::uint8_t* hits_;  // the block's, from its first row
    const PrizeOf* prizeOf_;
    std::size_t first_;
    std::size_t rows_;
    std::uint32_t origin_;  // what the block's rows before the stretch won
};

}  // namespace zarno
