#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/engine/BlockPrizes.h"

namespace zarno {

// The players of a lesson: a series cut from its first row into sessions of the same rows, each a
// player who plays some rows a week for some years, followed at the end of every year; and what
// their rows won, theirs and those of one of them, "you".
class LessonPlayers {
public:
    // What rows won: how many there are, won anything, won their stake back and no more, won more.
    struct RowCounts {
        std::int64_t rows = 0;
        std::int64_t wins = 0;
        std::int64_t stakeBack = 0;
        std::int64_t more = 0;

        bool operator==(const RowCounts&) const = default;
    };

    LessonPlayers(int players, int rowsPerWeek, int years, int you);

    int players() const { return players_; }
    int years() const { return years_; }
    std::int64_t rowsEach() const { return rowsEach_; }
    // Every player's rows: the series is drawn this far and no further.
    std::int64_t rows() const { return rowsEach_ * players_; }
    int you() const { return you_; }

    // Rows of the series committed, in order.
    void commit(const StretchPrizes& prizes);
    std::int64_t committed() const { return committed_; }
    bool complete() const { return committed_ == rows(); }

    // A player's winnings at the end of a year, 1 .. years, once the player has played it.
    std::int64_t winnings(int player, int year) const {
        return winnings_[static_cast<std::size_t>(player) * static_cast<std::size_t>(years_) +
                         static_cast<std::size_t>(year - 1)];
    }
    // Every player's net result at the end, winnings minus stake, once complete.
    std::vector<std::int64_t> finalNet() const;
    const RowCounts& yourRows() const { return yours_; }
    const RowCounts& allRows() const { return all_; }

private:
    int players_;
    int years_;
    std::int64_t rowsEach_;
    std::int64_t rowsAYear_;
    int you_;
    std::vector<std::int64_t> winnings_;  // by player, then year
    std::int64_t committed_ = 0;
    std::int64_t partial_ = 0;  // the winnings of the player under way so far
    RowCounts yours_;
    RowCounts all_;
};

}  // namespace zarno
