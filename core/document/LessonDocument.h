#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/document/RunDocument.h"
#include "core/engine/Play.h"
#include "core/odds/LessonOdds.h"
#include "core/series/LessonPlayers.h"
#include "core/tables/TableData.h"

namespace zarno {

inline constexpr int lessonDocumentVersion = 1;
// The thousand players a lesson draws.
inline constexpr int lessonPlayers = 1000;

// A pupil's guesses, before the years are lived: how many of the thousand end ahead, the payout as
// a fraction, and the median player's net result. None where the pupil guessed nothing.
struct LessonGuesses {
    std::optional<std::int64_t> ahead;
    std::optional<double> payout;
    std::optional<std::int64_t> median;

    bool operator==(const LessonGuesses&) const = default;
};

// A lesson as lived: the play, its rows a week and years, the seed of its thousand players' rows,
// the guesses, every player's net result at the end, which of them is "you", and what the rows won.
struct Lesson {
    Play play;
    int rowsPerWeek = 2;
    int years = 10;
    std::uint64_t seed = 0;
    LessonGuesses guesses;
    std::vector<std::int64_t> net;
    int you = 0;
    LessonPlayers::RowCounts yourRows;
    LessonPlayers::RowCounts allRows;

    std::int64_t rowsEach() const { return odds::lessonRows(rowsPerWeek, years); }
};

// The three figures the pupil guessed, as they came out among the players or as the exact law has
// them: the players ahead (a count of the thousand, or the expected count), the payout as a
// fraction, and the median net result.
struct LessonFigures {
    double ahead = 0;
    double payout = 0;
    std::optional<std::int64_t> median;
};
LessonFigures happened(const Lesson& lesson);
LessonFigures exactly(const odds::LessonLaw& law);

// The lesson as a small JSON document, "zarno-lesson", with what happened, the exact figures of
// `law` (the lesson's own) and the rows' shares, exact and among the players.
std::string lessonDocument(const Lesson& lesson, const odds::LessonLaw& law);

// The exact law of a lesson's choices, worked out once for all the lessons of them that are read
// or summed up, on any thread.
const odds::LessonLaw& lessonLawOf(int level, int rowsPerWeek, int years);

// Reads a lesson back, trusting nothing: as a run is read, and with every figure that follows from
// others, the exact ones among them, as this program works them out.
std::variant<Lesson, DocumentError> readLessonDocument(std::string_view text);

// A class's saved lessons, each by the name of its file: a line a pupil, the guesses beside what
// happened and the exact figures; and how many guessed the players ahead and the payout higher
// than they are, and the mean guesses beside the mean exact figures.
struct NamedLesson {
    std::string name;
    Lesson lesson;
};
tables::DataTable pupilsData(std::span<const NamedLesson> lessons);
tables::DataTable classSummaryData(std::span<const NamedLesson> lessons);

}  // namespace zarno
