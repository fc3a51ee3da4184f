#include "core/document/LessonDocument.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <numeric>
#include <tuple>

#include "core/document/JsonReading.h"
#include "core/engine/PrizeTable.h"
#include "core/odds/Odds.h"
#include "core/series/Tally.h"

namespace zarno {
namespace {

using namespace document;

constexpr std::string_view format = "zarno-lesson";
// The players' net results are the deepest: a list in the document.
constexpr std::size_t deepestNesting = 3;
constexpr std::size_t mostValues = 2 * lessonPlayers + 100;
constexpr std::size_t largestDocument = 256 * 1024;

}  // namespace

const odds::LessonLaw& lessonLawOf(int level, int rowsPerWeek, int years) {
    static std::mutex guard;
    static std::map<std::tuple<int, int, int>, odds::LessonLaw> worked;
    const std::lock_guard lock(guard);
    const auto key = std::make_tuple(level, rowsPerWeek, years);
    auto found = worked.find(key);
    if (found == worked.end()) {
        found = worked.emplace(key, odds::lessonLaw(level, rowsPerWeek, years)).first;
    }
    return found->second;
}

namespace {

template <class Value>
Json orNull(const std::optional<Value>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json figuresJson(const LessonFigures& figures) {
    return {
        {"ahead", figures.ahead}, {"payout", figures.payout}, {"median", orNull(figures.median)}};
}

Json countsJson(const LessonPlayers::RowCounts& counts) {
    return {{"rows", counts.rows},
            {"wins", counts.wins},
            {"stake_back", counts.stakeBack},
            {"more", counts.more}};
}

LessonPlayers::RowCounts readCounts(const Json& value, const std::string& where,
                                    std::int64_t rows) {
    LessonPlayers::RowCounts counts;
    counts.rows = whole(field(value, "rows"), where, rows, rows);
    counts.stakeBack = whole(field(value, "stake_back"), where, 0, rows);
    counts.more = whole(field(value, "more"), where, 0, rows - counts.stakeBack);
    counts.wins = whole(field(value, "wins"), where, counts.stakeBack + counts.more,
                        counts.stakeBack + counts.more);
    return counts;
}

std::optional<std::int64_t> readGuess(const Json& guesses, const char* key, std::int64_t low,
                                      std::int64_t high) {
    const Json& guess = field(guesses, key);
    if (guess.is_null()) {
        return std::nullopt;
    }
    return whole(guess, std::string("guesses.") + key, low, high);
}

Lesson lessonOf(const Json& doc) {
    Lesson lesson;
    lesson.play.level = static_cast<int>(whole(field(doc, "level"), "level", minLevel, maxLevel));
    const Json& numbers =
        array(field(doc, "numbers"), "numbers", static_cast<std::size_t>(lesson.play.level));
    std::vector<std::int64_t> read;
    for (const Json& number : numbers) {
        read.push_back(whole(number, "numbers", 1, highestNumber));
    }
    require(isTicket(std::span<const std::int64_t>(read), lesson.play.level), "numbers");
    std::copy(read.begin(), read.end(), lesson.play.numbers.begin());
    lesson.rowsPerWeek = static_cast<int>(
        whole(field(doc, "rows_per_week"), "rows_per_week", 1, odds::mostRowsAWeek));
    lesson.years = static_cast<int>(whole(field(doc, "years"), "years", 1, odds::mostYears));
    whole(field(doc, "players"), "players", lessonPlayers, lessonPlayers);
    const Json& seed = field(doc, "seed");
    require(seed.is_number_unsigned(), "seed");
    lesson.seed = seed.get<std::uint64_t>();
    lesson.you = static_cast<int>(whole(field(doc, "you"), "you", 0, lessonPlayers - 1));
    const std::int64_t rows = lesson.rowsEach();
    const Json& guesses = field(doc, "guesses");
    lesson.guesses.ahead = readGuess(guesses, "ahead", 0, lessonPlayers);
    if (const Json& payout = field(guesses, "payout"); !payout.is_null()) {
        require(payout.is_number() && payout.get<double>() >= 0 && payout.get<double>() <= 2,
                "guesses.payout");
        lesson.guesses.payout = payout.get<double>();
    }
    lesson.guesses.median = readGuess(guesses, "median", -rows, rows * prize(maxLevel, maxLevel));
    const Json& net = array(field(doc, "net"), "net", lessonPlayers);
    for (const Json& result : net) {
        lesson.net.push_back(
            whole(result, "net", -rows, rows * prize(lesson.play.level, lesson.play.level)));
    }
    const Json& counted = field(doc, "rows");
    lesson.yourRows = readCounts(field(counted, "you"), "rows", rows);
    lesson.allRows = readCounts(field(counted, "all"), "rows", rows * lessonPlayers);
    require(lesson.allRows.wins >= lesson.yourRows.wins, "rows");
    return lesson;
}

}  // namespace

LessonFigures happened(const Lesson& lesson) {
    LessonFigures figures;
    std::vector<std::int64_t> net = lesson.net;
    figures.ahead =
        static_cast<double>(std::count_if(net.begin(), net.end(), [](auto n) { return n > 0; }));
    const std::int64_t stake = lesson.rowsEach() * static_cast<std::int64_t>(net.size());
    const std::int64_t won = std::accumulate(net.begin(), net.end(), std::int64_t{0}) + stake;
    figures.payout = stake > 0 ? shareOf(won, stake) : 0;
    if (!net.empty()) {
        // The smallest result that half of the players reach or stay under, as the exact law's.
        std::sort(net.begin(), net.end());
        figures.median = net[(net.size() + 1) / 2 - 1];
    }
    return figures;
}

LessonFigures exactly(const odds::LessonLaw& law) {
    return {lessonPlayers * law.ahead, odds::expectedPrize(law.level), law.medianNet};
}

std::string lessonDocument(const Lesson& lesson, const odds::LessonLaw& law) {
    const int level = lesson.play.level;
    const odds::RowShares shares = odds::rowShares(level);
    Json doc = Json::object();
    doc["format"] = format;
    doc["version"] = lessonDocumentVersion;
    doc["level"] = level;
    doc["numbers"] =
        std::vector<int>(lesson.play.numbers.begin(),
                         lesson.play.numbers.begin() + std::clamp(level, 0, numberBoxes));
    doc["rows_per_week"] = lesson.rowsPerWeek;
    doc["years"] = lesson.years;
    doc["players"] = lessonPlayers;
    doc["seed"] = lesson.seed;
    doc["you"] = lesson.you;
    doc["guesses"] = {{"ahead", orNull(lesson.guesses.ahead)},
                      {"payout", orNull(lesson.guesses.payout)},
                      {"median", orNull(lesson.guesses.median)}};
    doc["happened"] = figuresJson(happened(lesson));
    doc["exact"] = figuresJson(exactly(law));
    doc["rows"] = {
        {"you", countsJson(lesson.yourRows)},
        {"all", countsJson(lesson.allRows)},
        {"exact",
         {{"wins", shares.wins}, {"stake_back", shares.stakeBack}, {"more", shares.more}}}};
    doc["net"] = lesson.net;
    return doc.dump(2) + "\n";
}

std::variant<Lesson, DocumentError> readLessonDocument(std::string_view text) {
    const auto read =
        opened(text, {format, lessonDocumentVersion, largestDocument, deepestNesting, mostValues});
    if (const auto* error = std::get_if<DocumentError>(&read)) {
        return *error;
    }
    const Json& doc = std::get<Json>(read);
    try {
        Lesson lesson = lessonOf(doc);
        // Whatever follows from the rest, the exact figures too, is as this program writes it.
        const Json expected = Json::parse(lessonDocument(
            lesson, lessonLawOf(lesson.play.level, lesson.rowsPerWeek, lesson.years)));
        for (auto at = expected.begin(); at != expected.end(); ++at) {
            if (!doc.contains(at.key()) || doc[at.key()] != at.value()) {
                throw Damaged{at.key()};
            }
        }
        for (auto at = doc.begin(); at != doc.end(); ++at) {
            require(expected.contains(at.key()), at.key());
        }
        return lesson;
    } catch (const Damaged& damaged) {
        return DocumentError{DocumentError::Kind::damaged, damaged.where};
    }
}

namespace {

// The exact figures of a lesson's own choices.
LessonFigures exactOf(const Lesson& lesson) {
    return exactly(lessonLawOf(lesson.play.level, lesson.rowsPerWeek, lesson.years));
}

template <class Value>
tables::Cell cellOf(const std::optional<Value>& value) {
    return value ? tables::Cell(*value) : tables::Cell();
}

}  // namespace

tables::DataTable pupilsData(std::span<const NamedLesson> lessons) {
    using tables::at;
    constexpr const tables::TableKind& kind = tables::lessonPupilsTable;
    tables::DataTable table(kind);
    for (const NamedLesson& named : lessons) {
        const Lesson& lesson = named.lesson;
        const LessonFigures seen = happened(lesson);
        const LessonFigures exact = exactOf(lesson);
        tables::Line& line = table.addLine();
        line[at(kind, "file")] = tables::Text{named.name};
        line[at(kind, "ahead_guess")] = cellOf(lesson.guesses.ahead);
        line[at(kind, "ahead_happened")] = static_cast<std::int64_t>(seen.ahead);
        line[at(kind, "ahead_exact")] = exact.ahead;
        line[at(kind, "payout_guess")] = cellOf(lesson.guesses.payout);
        line[at(kind, "payout_happened")] = seen.payout;
        line[at(kind, "payout_exact")] = exact.payout;
        line[at(kind, "median_guess")] = cellOf(lesson.guesses.median);
        line[at(kind, "median_happened")] = cellOf(seen.median);
        line[at(kind, "median_exact")] = cellOf(exact.median);
    }
    return table;
}

// A guess is over the truth when it is higher than the exact figure; a mean is over the pupils who
// guessed.
tables::DataTable classSummaryData(std::span<const NamedLesson> lessons) {
    using tables::at;
    constexpr const tables::TableKind& kind = tables::lessonSummaryTable;
    struct Mean {
        double sum = 0;
        std::int64_t count = 0;
        void add(double value) {
            sum += value;
            ++count;
        }
        tables::Cell cell() const {
            return count > 0 ? tables::Cell(sum / static_cast<double>(count)) : tables::Cell();
        }
    };
    Mean aheadGuess, aheadExact, payoutGuess, payoutExact, medianGuess, medianExact;
    std::int64_t aheadOver = 0;
    std::int64_t payoutOver = 0;
    for (const NamedLesson& named : lessons) {
        const LessonGuesses& guesses = named.lesson.guesses;
        const LessonFigures exact = exactOf(named.lesson);
        aheadExact.add(exact.ahead);
        payoutExact.add(exact.payout);
        if (exact.median) {
            medianExact.add(static_cast<double>(*exact.median));
        }
        if (guesses.ahead) {
            aheadGuess.add(static_cast<double>(*guesses.ahead));
            aheadOver += static_cast<double>(*guesses.ahead) > exact.ahead ? 1 : 0;
        }
        if (guesses.payout) {
            payoutGuess.add(*guesses.payout);
            payoutOver += *guesses.payout > exact.payout ? 1 : 0;
        }
        if (guesses.median) {
            medianGuess.add(static_cast<double>(*guesses.median));
        }
    }
    tables::DataTable table(kind);
    tables::Line& line = table.addLine();
    line[at(kind, "pupils")] = static_cast<std::int64_t>(lessons.size());
    line[at(kind, "ahead_overestimated")] = aheadOver;
    line[at(kind, "payout_overestimated")] = payoutOver;
    line[at(kind, "ahead_guess_mean")] = aheadGuess.cell();
    line[at(kind, "ahead_exact_mean")] = aheadExact.cell();
    line[at(kind, "payout_guess_mean")] = payoutGuess.cell();
    line[at(kind, "payout_exact_mean")] = payoutExact.cell();
    line[at(kind, "median_guess_mean")] = medianGuess.cell();
    line[at(kind, "median_exact_mean")] = medianExact.cell();
    return table;
}

}  // namespace zarno
