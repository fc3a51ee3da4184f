#include "core/series/LessonPlayers.h"

#include <algorithm>

#include "core/odds/LessonOdds.h"

namespace zarno {

LessonPlayers::LessonPlayers(int players, int rowsPerWeek, int years, int you)
    : players_(players),
      years_(years),
      rowsEach_(odds::lessonRows(rowsPerWeek, years)),
      rowsAYear_(odds::lessonRows(rowsPerWeek, 1)),
      you_(you),
      winnings_(static_cast<std::size_t>(players) * static_cast<std::size_t>(years)) {}

// The rows past the last player's are not taken.
void LessonPlayers::commit(const StretchPrizes& prizes) {
    const std::size_t rows =
        std::min<std::size_t>(prizes.rows(), static_cast<std::size_t>(this->rows() - committed_));
    for (std::size_t i = 0; i < rows; ++i) {
        const std::uint32_t won = prizes.of(i);
        const std::int64_t row = committed_++;
        const auto player = static_cast<int>(row / rowsEach_);
        partial_ += won;
        for (RowCounts* counted : {&all_, player == you_ ? &yours_ : nullptr}) {
            if (counted) {
                ++counted->rows;
                counted->wins += won > 0 ? 1 : 0;
                counted->stakeBack += won == 1 ? 1 : 0;
                counted->more += won > 1 ? 1 : 0;
            }
        }
        const std::int64_t played = row % rowsEach_ + 1;
        if (played % rowsAYear_ == 0) {
            winnings_[static_cast<std::size_t>(player) * static_cast<std::size_t>(years_) +
                      static_cast<std::size_t>(played / rowsAYear_ - 1)] = partial_;
            if (played == rowsEach_) {
                partial_ = 0;
            }
        }
    }
}

std::vector<std::int64_t> LessonPlayers::finalNet() const {
    std::vector<std::int64_t> net;
    for (int p = 0; p < players_; ++p) {
        net.push_back(winnings(p, years_) - rowsEach_);
    }
    return net;
}

}  // namespace zarno
