#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/SimulationState.h"

namespace zarno {

// The number pattern of the share of rows with `hits` hits at `level`.
std::string_view sharePattern(int level, int hits);

// The captions of the result labels and of the row counter, and the jackpot message. Each writes
// the whole text into `out`, whose capacity it reuses.
void writeWinningsCaption(std::string& out, std::int64_t winnings, std::int64_t rows,
                          char separator);
void writeHitsCaption(std::string& out, int level, int hits, std::int64_t count, std::int64_t rows,
                      char separator);
void writeRowCounter(std::string& out, std::int64_t rows, char separator);
void writeJackpotMessage(std::string& out, const SimulationState::Row& drawn);

inline constexpr std::string_view rowCounterPattern = "# ### ### ###";

}  // namespace zarno
