#pragma once

#include <cstddef>
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
// More than a saved run can be, even at the row limit: a file larger than this is not one.
inline constexpr std::size_t largestRunDocument = 16 * 1024 * 1024;

// What a run document holds besides the play and the record: the seed that repeats it (none when
// its rows mixed in the clock), whether Ctrl+C cut it short, and the exact figures beside the
// observed ones, those of the players where `laws` are given and of the budget where `budget` is.
struct RunFacts {
    std::optional<std::uint64_t> seed;
    bool interrupted = false;
    const odds::SessionLaws* laws = nullptr;
    const odds::BudgetLaw* budget = nullptr;
};

// A run as a JSON document, for programs and to be opened again: at its top the play, the seed,
// the rows, winnings and hits, the exact figures beside them and the chart's tables; under
// "record" everything the chart window draws. Stable English keys, numbers in C notation, shares
// and chances as fractions, money in euros; the same run gives the same bytes.
std::string runDocument(const Play& play, const SeriesRecord& record, const RunFacts& facts);

// A run as the document gives it back.
struct SavedRun {
    Play play;
    SeriesRecord record;
    std::optional<std::uint64_t> seed;
    bool interrupted = false;
    // Whether the document gives the exact figures of its players; the laws are the level's own.
    bool withLaws = false;
    // The budget's exact figures as the document gives them, at the rows of its table only.
    std::optional<odds::BudgetLaw> budget;
};

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

// Reads a run document back, trusting nothing: a document larger than a run can be, nested deeper
// than one, or with a key twice, is refused before it is read into memory; every figure is checked
// against the others, and what the document says that follows from them (the payout, the exact
// figures, the tables) against what this program writes for that play and record, so that what
// opens is a run this program could have drawn. A document of an older version of this program may
// lack figures it did not yet write; written again, it has them, and what this program writes it
// writes again to the same bytes.
std::variant<SavedRun, DocumentError> readRunDocument(std::string_view text);

// The document of a saved run, as it was written.
std::string runDocument(const SavedRun& run);

// The exact figures of the levels given, as JSON: {"levels": [{"level": 2, "payout": ..., ...}]},
// with the levels' laws of sessions in the same order, their players' figures where a law is
// given; an interrupted one says so.
std::string exactDocument(std::span<const int> levels,
                          std::span<const odds::SessionLaws* const> laws, bool interrupted = false);

}  // namespace zarno
