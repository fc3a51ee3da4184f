#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/engine/Play.h"
#include "core/odds/BudgetOdds.h"
#include "core/odds/SessionOdds.h"
#include "core/series/SeriesRecord.h"

namespace zarno {

// The version of the run document this program writes; it reads every version up to it.
inline constexpr int runDocumentVersion = 1;

// A run as the document gives it back: the play, the seed that repeats it (none when its rows
// mixed in the clock), and what the chart draws.
struct SavedRun {
    Play play;
    std::optional<std::uint64_t> seed;
    SeriesRecord record;
};

// A run as a JSON document, for programs and to be opened again: at its top the play, the seed,
// the rows, winnings and hits, the exact figures beside them (those of the players where `laws`
// are given, of the budget where `budget` is) and the chart's tables; under "record" everything
// the chart window draws. Stable English keys, numbers in C notation, shares and chances as
// fractions, money in euros; the same run gives the same bytes.
std::string runDocument(const Play& play, std::optional<std::uint64_t> seed,
                        const SeriesRecord& record, const odds::SessionLaws* laws,
                        const odds::BudgetLaw* budget = nullptr);

// Why a document cannot be opened.
struct DocumentError {
    enum class Kind : std::uint8_t {
        notJson,  // not JSON at all, or cut short
        notARun,  // JSON, but not a run of this program
        newer,    // a run of a later version of the document
        damaged,  // a run whose figures are missing or do not add up
    };
    Kind kind = Kind::notJson;
    std::string where;  // the field at fault, for a damaged run
    int version = 0;    // the version of a newer run

    bool operator==(const DocumentError&) const = default;
};

// Reads a run document back. Every figure is checked against the others, so that what opens is
// a run this program could have drawn.
std::variant<SavedRun, DocumentError> readRunDocument(std::string_view text);

// The exact figures of the levels given, as JSON: {"levels": [{"level": 2, "payout": ..., ...}]},
// with the levels' laws of sessions in the same order.
std::string exactDocument(std::span<const int> levels, std::span<const odds::SessionLaws> laws);

}  // namespace zarno
