#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "core/document/RunDocument.h"
#include "core/engine/Lottery.h"
#include "core/engine/Play.h"
#include "core/rules/Entries.h"
#include "core/text/Wording.h"

namespace zarno {

// The number pattern of the share of rows with `hits` hits at `level`.
std::string_view sharePattern(int level, int hits);

// The captions of the result labels and of the row counter, and the jackpot message, in the
// wording given. Each writes the whole text into `out`, whose capacity it reuses.
void writeWinningsCaption(std::string& out, std::int64_t winnings, std::int64_t rows,
                          const Wording& wording);
void writeHitsCaption(std::string& out, int level, int hits, std::int64_t count, std::int64_t rows,
                      const Wording& wording);
void writeRowCounter(std::string& out, std::int64_t rows, const Wording& wording);
void writeJackpotMessage(std::string& out, const Row& drawn, const Wording& wording);
// A text with its %1, %2, ... filled in, in that order.
std::string filled(std::string_view text, std::initializer_list<std::string_view> values);

// The lines that head a run's text and its report: the level and the numbers played, the rows
// drawn, and whether a seed repeats the run; one that Ctrl+C cut short after so many rows does not
// repeat as it stands.
std::string playLine(const Play& play, const Wording& wording);
std::string rowsLine(std::int64_t rows, const Wording& wording);
std::string repeatabilityLine(std::optional<std::uint64_t> seed, const Wording& wording,
                              std::optional<std::int64_t> interruptedAt = std::nullopt);

// Why a saved run, or a saved lesson, cannot be opened.
std::string documentErrorText(const DocumentError& error, const Wording& wording);
std::string lessonErrorText(const DocumentError& error, const Wording& wording);

// Why a start is refused, naming the number chosen twice.
void writeRefusal(std::string& out, const Refusal& refusal, const Wording& wording);

// The tooltip of a hit label: the share of rows with that many hits that the odds give.
void writeExpectedShare(std::string& out, int level, int hits, const Wording& wording);
// The tooltip of a winnings label: the expected payout, and for `rows` above 0 a second line with
// the exact standard deviation of the payout percentage after that many rows.
void writeWinningsTip(std::string& out, int level, std::int64_t rows, const Wording& wording);

inline constexpr std::string_view rowCounterPattern = "# ### ### ###";

}  // namespace zarno
