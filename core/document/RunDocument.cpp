#include "core/document/RunDocument.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <numeric>
#include <optional>
#include <set>
#include <vector>

#include "core/document/JsonReading.h"
#include "core/engine/PrizeTable.h"
#include "core/series/Tally.h"
#include "core/tables/TableData.h"

namespace zarno {
namespace {

using namespace document;

constexpr std::string_view format = "zarno-run";
// More payout points than the record ever keeps: a file with more is not one of its records.
constexpr std::size_t mostPathPoints = 10'000;
// The document nests no deeper than the crowd's counts: record, crowd, by_winnings, a row of the
// grid, a pair; and holds fewer values than the crowd's counts could come to at the row limit.
constexpr std::size_t deepestNesting = 6;
constexpr std::size_t mostValues = 4'000'000;

// The document's keys, for its writer and its reader alike.
namespace key {
constexpr const char* format = "format";
constexpr const char* version = "version";
constexpr const char* level = "level";
constexpr const char* numbers = "numbers";
constexpr const char* seed = "seed";
constexpr const char* repeatable = "repeatable";
constexpr const char* interrupted = "interrupted";
constexpr const char* rows = "rows";
constexpr const char* winnings = "winnings";
constexpr const char* payout = "payout";
constexpr const char* hits = "hits";
constexpr const char* jackpots = "jackpots";
constexpr const char* exact = "exact";
constexpr const char* players = "players";
constexpr const char* tables = "tables";
constexpr const char* record = "record";
constexpr const char* path = "path";
constexpr const char* sessions = "sessions";
constexpr const char* sessionRows = "session_rows";
constexpr const char* ahead = "ahead";
constexpr const char* byWinnings = "by_winnings";
constexpr const char* crowd = "crowd";
constexpr const char* rowsAt = "rows_at";
constexpr const char* paths = "paths";
constexpr const char* budget = "budget";
constexpr const char* budgetSummary = "budget_summary";
constexpr const char* fromRow = "from_row";
constexpr const char* doubled = "doubled";
constexpr const char* goneAfter = "gone_after";
}  // namespace key

// Where a part of the record is, for the field a damaged one names.
std::string in(const char* part) {
    return std::string(key::record) + "." + part;
}

// The laws of sessions of a level, worked out once for every document of that level read or
// written; documents may be read on several threads.
const odds::SessionLaws& lawsOf(int level) {
    static std::mutex guard;
    static std::map<int, odds::SessionLaws> worked;
    const std::lock_guard lock(guard);
    auto found = worked.find(level);
    if (found == worked.end()) {
        found = worked.emplace(level, odds::sessionLaws(level)).first;
    }
    return found->second;
}

Json cellJson(const tables::Cell& cell) {
    if (const auto* whole = std::get_if<std::int64_t>(&cell)) {
        return *whole;
    }
    if (const auto* real = std::get_if<double>(&cell)) {
        return *real;
    }
    if (const auto* numbers = std::get_if<tables::Numbers>(&cell)) {
        return numbers->drawn;
    }
    return nullptr;
}

// A row of a table as an object by the table's keys, but the one `without` names.
Json objectOf(const tables::DataTable& table, const tables::Line& row,
              std::string_view without = {}) {
    Json object = Json::object();
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c].key != without) {
            object[std::string(table.columns[c].key)] = cellJson(row[c]);
        }
    }
    return object;
}

Json tableJson(const tables::DataTable& table) {
    Json rows = Json::array();
    for (const auto& row : table.rows) {
        rows.push_back(objectOf(table, row));
    }
    return rows;
}

// The exact figures of a level that stand beside a run's, as the exact tables give them; those of
// its players where its laws are at hand.
Json exactJson(int level, const odds::SessionLaws* laws) {
    const int levels[] = {level};
    const odds::SessionLaws* const lawsOfLevels[] = {laws};
    const tables::DataTable levelTable = tables::levelsData(levels, lawsOfLevels);
    Json exact = objectOf(levelTable, levelTable.rows.front());
    const tables::DataTable hits = tables::exactHitsData(levels);
    exact[key::hits] = Json::array();
    for (auto row = hits.rows.rbegin(); row != hits.rows.rend(); ++row) {  // by hits from 0
        exact[key::hits].push_back(objectOf(hits, *row, key::level));
    }
    if (!laws) {
        return exact;
    }
    const tables::DataTable players = tables::exactPlayersData(levels, lawsOfLevels);
    exact[key::players] = Json::array();
    for (const auto& row : players.rows) {
        exact[key::players].push_back(objectOf(players, row, key::level));
    }
    return exact;
}

// Counts by a key, as [key, count] pairs by rising key, each key in [low, high] and each count at
// least one; gives them and their sum.
std::pair<ValueCounts, std::int64_t> countsByKey(const Json& value, const std::string& where,
                                                 std::int64_t low, std::int64_t high) {
    require(value.is_array(), where);
    ValueCounts counts;
    std::int64_t sum = 0;
    std::optional<std::int64_t> last;
    for (const Json& pair : value) {
        array(pair, where, 2);
        const std::int64_t key = whole(pair[0], where, low, high);
        require(!last || key > *last, where);
        last = key;
        const std::int64_t count =
            whole(pair[1], where, 1, std::numeric_limits<std::int64_t>::max() - sum);
        counts.add(key, count);
        sum += count;
    }
    return {std::move(counts), sum};
}

Json countsJson(const ValueCounts& counts) {
    Json pairs = Json::array();
    counts.visit([&pairs](std::int64_t key, std::int64_t count) {
        pairs.push_back({key, count});
        return true;
    });
    return pairs;
}

// The play and the counts at the document's top.
Play readPlay(const Json& doc) {
    Play play;
    play.level = static_cast<int>(whole(field(doc, key::level), key::level, minLevel, maxLevel));
    const Json& numbers =
        array(field(doc, key::numbers), key::numbers, static_cast<std::size_t>(play.level));
    std::vector<std::int64_t> read;
    for (const Json& number : numbers) {
        read.push_back(whole(number, key::numbers, 1, highestNumber));
    }
    require(isTicket(std::span<const std::int64_t>(read), play.level), key::numbers);
    std::copy(read.begin(), read.end(), play.numbers.begin());
    return play;
}
Tally readTally(const Json& doc, int level) {
    Tally tally;
    tally.rows = whole(field(doc, key::rows), key::rows, 0, rowLimit + 1);
    tally.winnings = whole(field(doc, key::winnings), key::winnings, 0,
                           std::numeric_limits<std::int64_t>::max());
    const Json& hits = array(field(doc, key::hits), key::hits, static_cast<std::size_t>(level) + 1);
    std::int64_t won = 0;
    for (int k = 0; k <= level; ++k) {
        tally.hits[static_cast<std::size_t>(k)] =
            whole(hits[static_cast<std::size_t>(k)], key::hits, 0, tally.rows);
        won += tally.hits[static_cast<std::size_t>(k)] * prize(level, k);
    }
    require(std::accumulate(tally.hits.begin(), tally.hits.end(), std::int64_t{0}) == tally.rows,
            key::hits);
    require(won == tally.winnings, key::winnings);
    return tally;
}

// Every jackpot, absent from runs saved before they were kept: as many as the rows of ten hits at
// level 10, none at another, at rising rows within the run, each of 20 numbers 1..70, none twice,
// the ten played among them.
std::vector<JackpotRow> readJackpots(const Json& doc, const Play& play, const Tally& tally) {
    const std::string where = key::jackpots;
    const std::int64_t count = play.level == maxLevel ? tally.hits[maxLevel] : 0;
    const Json& jackpots = array(field(doc, key::jackpots), where, static_cast<std::size_t>(count));
    std::vector<JackpotRow> rows;
    for (const Json& jackpot : jackpots) {
        JackpotRow kept;
        kept.row =
            whole(field(jackpot, "row"), where, rows.empty() ? 1 : rows.back().row + 1, tally.rows);
        const Json& drawn = array(field(jackpot, "drawn"), where, rowSize);
        std::vector<std::int64_t> numbers;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            numbers.push_back(whole(drawn[i], where, 1, highestNumber));
            kept.drawn[i] = static_cast<std::int16_t>(numbers.back());
        }
        require(areDistinctNumbers(std::span<const std::int64_t>(numbers)), where);
        for (int i = 0; i < play.level; ++i) {
            const int number = play.numbers[static_cast<std::size_t>(i)];
            require(std::find(numbers.begin(), numbers.end(), number) != numbers.end(), where);
        }
        rows.push_back(kept);
    }
    return rows;
}

// The payout's path, as [rows, winnings] pairs by rising rows: a point at the first refresh at or
// past each of the path's rows, up to the rows the record shows, the winnings never falling nor
// rising faster than the top prize a row.
Json pathJson(const SeriesRecord& record) {
    Json path = Json::array();
    for (const PayoutPoint& point : record.path()) {
        path.push_back({point.rows, point.winnings});
    }
    return path;
}
std::vector<PayoutPoint> readPath(const Json& record, int level, const Tally& tally) {
    const std::string where = in(key::path);
    const Json& path = field(record, key::path);
    require(path.is_array() && path.size() <= mostPathPoints, where);
    std::vector<PayoutPoint> points;
    PayoutPoint last{0, 0};
    for (const Json& point : path) {
        array(point, where, 2);
        const std::int64_t rows =
            whole(point[0], where, SeriesRecord::pathRowAfter(last.rows), tally.rows);
        const std::int64_t winnings =
            whole(point[1], where, last.winnings,
                  last.winnings + (rows - last.rows) * prize(level, level));
        last = points.emplace_back(PayoutPoint{rows, winnings});
    }
    require(SeriesRecord::pathRowAfter(last.rows) > tally.rows, where);
    require(tally.winnings >= last.winnings &&
                tally.winnings - last.winnings <= (tally.rows - last.rows) * prize(level, level),
            where);
    require(last.rows != tally.rows || last.winnings == tally.winnings, where);
    return points;
}

// The sessions of each length, in sessionLengths' order: every one completed up to the rows
// shown, those of one row as the hits make them, winning no more than the run did.
Json sessionsJson(const SeriesRecord& record) {
    Json sessions = Json::array();
    for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
        const SessionTally& tally = record.sessions(i);
        sessions.push_back({{key::sessionRows, tally.length},
                            {key::players, tally.completed},
                            {key::ahead, tally.ahead},
                            {key::byWinnings, tally.byWinnings}});
    }
    return sessions;
}
std::array<SessionTally, sessionLengths.size()> readSessions(const Json& record, int level,
                                                             const Tally& tally) {
    const std::string where = in(key::sessions);
    const Json& sessions = array(field(record, key::sessions), where, sessionLengths.size());
    std::array<SessionTally, sessionLengths.size()> tallies;
    for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
        const Json& session = sessions[i];
        const int length = sessionLengths[i];
        whole(field(session, key::sessionRows), where, length, length);
        SessionTally& kept = tallies[i];
        kept.length = length;
        kept.completed =
            whole(field(session, key::players), where, tally.rows / length, tally.rows / length);
        kept.ahead = whole(field(session, key::ahead), where, 0, kept.completed);
        const Json& byWinnings =
            array(field(session, key::byWinnings), where, static_cast<std::size_t>(length) + 1);
        std::int64_t players = kept.ahead;
        std::int64_t won = (length + 1) * kept.ahead;  // at the least
        for (const Json& count : byWinnings) {
            kept.byWinnings.push_back(whole(count, where, 0, kept.completed));
            players += kept.byWinnings.back();
            won += static_cast<std::int64_t>(kept.byWinnings.size() - 1) * kept.byWinnings.back();
        }
        require(players == kept.completed && won <= tally.winnings, where);
    }
    require(tallies[0] == sessionsOfOneRow(level, tally.hits), where);
    return tallies;
}

// The crowd's players, absent from runs saved before there was a crowd: every player of the
// longest session completed up to the rows shown, at the last row of the grid those very
// sessions, and the paths of the first of them among the counts.
Json crowdJson(const CrowdTally& crowd) {
    Json byWinnings = Json::array();
    for (const auto& counts : crowd.byWinnings) {
        byWinnings.push_back(countsJson(counts));
    }
    return {{key::rowsAt, odds::crowdGrid},
            {key::players, crowd.completed},
            {key::byWinnings, std::move(byWinnings)},
            {key::paths, crowd.paths}};
}
CrowdTally readCrowd(const Json& record, int level, std::int64_t rows,
                     const SessionTally& longest) {
    CrowdTally crowd;
    if (!record.contains(key::crowd)) {
        return crowd;
    }
    const std::string where = in(key::crowd);
    const Json& saved = field(record, key::crowd);
    const Json& grid = array(field(saved, key::rowsAt), where, odds::crowdGrid.size());
    for (std::size_t i = 0; i < grid.size(); ++i) {
        whole(grid[i], where, odds::crowdGrid[i], odds::crowdGrid[i]);
    }
    const std::int64_t players = rows / odds::crowdGrid.back();
    crowd.completed = whole(field(saved, key::players), where, players, players);
    const Json& byWinnings = array(field(saved, key::byWinnings), where, odds::crowdGrid.size());
    for (std::size_t i = 0; i < byWinnings.size(); ++i) {
        auto [counts, sum] =
            countsByKey(byWinnings[i], where, 0, odds::crowdGrid[i] * prize(level, level));
        require(sum == crowd.completed, where);
        crowd.byWinnings[i] = std::move(counts);
    }
    static_assert(odds::crowdGrid.back() == sessionLengths.back());
    std::int64_t ahead = 0;
    crowd.byWinnings.back().visit([&](std::int64_t won, std::int64_t count) {
        if (won > longest.length) {
            ahead += count;
        } else {
            require(longest.byWinnings[static_cast<std::size_t>(won)] == count, where);
        }
        return true;
    });
    require(ahead == longest.ahead, where);
    const Json& paths = array(
        field(saved, key::paths), where,
        static_cast<std::size_t>(std::min<std::int64_t>(crowd.completed, CrowdTally::pathsKept)));
    for (const Json& path : paths) {
        array(path, where, odds::crowdGrid.size());
        CrowdTally::Path kept{};
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const std::int64_t before = i == 0 ? 0 : kept[i - 1];
            const std::int64_t rowsThere =
                odds::crowdGrid[i] - (i == 0 ? 0 : odds::crowdGrid[i - 1]);
            kept[i] = whole(path[i], where, before, before + rowsThere * prize(level, level));
            require(crowd.byWinnings[i].contains(kept[i]), where);
        }
        crowd.paths.push_back(kept);
    }
    return crowd;
}

// The budget's players, absent from runs saved before there was a budget: then none, from the
// run's last row on. None is gone before its budget's rows, nor played longer than the longest
// play or the rows since its first one started.
Json budgetJson(const BudgetTally& players) {
    return {{key::budget, players.budget},
            {key::fromRow, players.fromRow},
            {key::players, players.completed},
            {key::doubled, players.doubled},
            {key::goneAfter, countsJson(players.goneAfter)}};
}
BudgetTally readBudget(const Json& record, std::int64_t rows) {
    BudgetTally budget{odds::defaultBudget, rows, 0, 0, {}};
    if (!record.contains(key::budget)) {
        return budget;
    }
    const std::string where = in(key::budget);
    const Json& saved = field(record, key::budget);
    budget.budget = static_cast<int>(
        whole(field(saved, key::budget), where, odds::smallestBudget, odds::largestBudget));
    budget.fromRow = whole(field(saved, key::fromRow), where, 0, rows);
    budget.completed = whole(field(saved, key::players), where, 0, rows - budget.fromRow);
    budget.doubled = whole(field(saved, key::doubled), where, 0, budget.completed);
    const std::int64_t longest = odds::longestPlay(budget.budget);
    auto [gone, players] = countsByKey(field(saved, key::goneAfter), where, budget.budget,
                                       std::min(longest, rows - budget.fromRow));
    require(players <= budget.completed, where);
    // Rows played: those of the players gone, and the longest play of every other one.
    std::int64_t played = (budget.completed - players) * longest;
    gone.visit([&](std::int64_t after, std::int64_t count) {
        played += after * count;
        require(played <= rows - budget.fromRow, where);
        return true;
    });
    require(played <= rows - budget.fromRow, where);
    budget.goneAfter = std::move(gone);
    return budget;
}

// The budget's exact figures as its tables give them: none, or a chance for every row of its
// table, each a fraction no lower than the one before and none before its budget's rows, a
// median within the longest play and a chance to double.
std::optional<odds::BudgetLaw> readBudgetLaw(const Json& doc, int level, int budget) {
    const Json& written = field(doc, key::tables);
    if (!written.contains(key::budget) && !written.contains(key::budgetSummary)) {
        return std::nullopt;
    }
    const std::string where = key::tables;
    const Json& lines = array(field(written, key::budget), where, odds::budgetLengths.size());
    const Json& summary = array(field(written, key::budgetSummary), where, 1).front();
    const Json& doubles = field(summary, "doubles_exact");
    if (doubles.is_null()) {
        return std::nullopt;  // the law was not at hand: its figures are all blank
    }
    odds::BudgetLaw law{level, budget, {}, std::nullopt, 0, true};
    law.brokeWithin.fill(std::numeric_limits<double>::quiet_NaN());
    double before = 0;
    for (std::size_t i = 0; i < odds::budgetLengths.size(); ++i) {
        const Json& gone = field(lines[i], "gone_exact");
        require(gone.is_number(), where);
        const double chance = gone.get<double>();
        const int rows = odds::budgetLengths[i];
        require(chance >= before && chance <= 1 && (rows >= budget || chance == 0), where);
        const auto at = std::find(odds::crowdGrid.begin(), odds::crowdGrid.end(), rows);
        law.brokeWithin[static_cast<std::size_t>(at - odds::crowdGrid.begin())] = chance;
        before = chance;
    }
    require(doubles.is_number() && doubles.get<double>() >= 0 && doubles.get<double>() <= 1, where);
    law.doubles = doubles.get<double>();
    if (const Json& median = field(summary, "median_rows_exact"); !median.is_null()) {
        law.medianRows = whole(median, where, budget, odds::longestPlay(budget));
    }
    return law;
}

// Whether every figure of `given` is in `expected`, the same: a document of an older writer may
// leave out what this one writes, never change it or add to it.
bool within(const Json& given, const Json& expected) {
    if (given.is_object()) {
        return expected.is_object() &&
               std::all_of(given.items().begin(), given.items().end(), [&](const auto& item) {
                   return expected.contains(item.key()) &&
                          within(item.value(), expected[item.key()]);
               });
    }
    if (given.is_array()) {
        if (!expected.is_array() || given.size() != expected.size()) {
            return false;
        }
        for (std::size_t i = 0; i < given.size(); ++i) {
            if (!within(given[i], expected[i])) {
                return false;
            }
        }
        return true;
    }
    return given == expected;
}

// The first field of the document, and for the record its part, that is not what this program
// writes for its play and record; every field it writes must be there. None when all are.
std::optional<std::string> firstDifference(const Json& doc, const Json& expected) {
    for (auto at = expected.begin(); at != expected.end(); ++at) {
        if (!doc.contains(at.key())) {
            return at.key();
        }
    }
    for (auto at = doc.begin(); at != doc.end(); ++at) {
        if (!expected.contains(at.key())) {
            return at.key();  // a field this program never writes
        }
        if (at.key() == key::record) {
            if (auto part = firstDifference(at.value(), expected[at.key()])) {
                return key::record + ("." + *part);
            }
        } else if (!within(at.value(), expected[at.key()])) {
            return at.key();
        }
    }
    return std::nullopt;
}

SavedRun savedRun(const Json& doc) {
    SavedRun run;
    run.play = readPlay(doc);
    const int level = run.play.level;
    const Json& seed = field(doc, key::seed);
    if (!seed.is_null()) {
        require(seed.is_number_unsigned(), key::seed);
        run.seed = seed.get<std::uint64_t>();
    }
    if (doc.contains(key::interrupted)) {
        require(doc[key::interrupted] == true, key::interrupted);  // written only when it was
        run.interrupted = true;
    }
    const Tally tally = readTally(doc, level);
    RecordParts parts;
    parts.jackpots = doc.contains(key::jackpots);
    std::vector<JackpotRow> jackpots =
        parts.jackpots ? readJackpots(doc, run.play, tally) : std::vector<JackpotRow>{};
    const Json& record = field(doc, key::record);
    require(record.is_object(), key::record);
    parts.crowd = record.contains(key::crowd);
    parts.budget = record.contains(key::budget);
    auto sessions = readSessions(record, level, tally);
    CrowdTally crowd = readCrowd(record, level, tally.rows, sessions.back());
    BudgetTally budget = readBudget(record, tally.rows);
    run.budget = readBudgetLaw(doc, level, budget.budget);
    run.record =
        SeriesRecord::restored(level, tally, readPath(record, level, tally), std::move(sessions),
                               std::move(crowd), std::move(budget), std::move(jackpots), parts);
    run.withLaws = field(doc, key::exact).contains(key::players);
    if (const auto where = firstDifference(doc, Json::parse(runDocument(run)))) {
        throw Damaged{*where};
    }
    return run;
}

}  // namespace

std::string runDocument(const Play& play, const SeriesRecord& record, const RunFacts& facts) {
    const int level = play.level;
    Json doc = Json::object();
    doc[key::format] = format;
    doc[key::version] = runDocumentVersion;
    doc[key::level] = level;
    doc[key::numbers] = std::vector<int>(play.numbers.begin(),
                                         play.numbers.begin() + std::clamp(level, 0, numberBoxes));
    doc[key::seed] = facts.seed ? Json(*facts.seed) : Json(nullptr);
    // Cut short, its rows are those of the seed only up to where Ctrl+C came.
    doc[key::repeatable] = facts.seed.has_value() && !facts.interrupted;
    if (facts.interrupted) {
        doc[key::interrupted] = true;
    }
    doc[key::rows] = record.rows();
    doc[key::winnings] = record.winnings();
    doc[key::payout] =
        record.rows() > 0 ? Json(shareOf(record.winnings(), record.rows())) : Json(nullptr);
    doc[key::hits] = std::vector<std::int64_t>(
        record.hits().begin(), record.hits().begin() + std::clamp(level + 1, 0, maxLevel + 1));
    if (record.parts().jackpots) {
        doc[key::jackpots] = tableJson(tables::jackpotsData(record));
    }
    if (isLevel(level)) {
        doc[key::exact] = exactJson(level, facts.laws);
    }
    Json written = Json::object();
    std::vector<tables::DataTable> shown = {tables::payoutData(record, level),
                                            tables::hitsData(record, level),
                                            tables::playersData(record, level, facts.laws)};
    if (record.parts().budget) {
        shown.push_back(tables::budgetData(record, facts.budget));
        shown.push_back(tables::budgetSummaryData(record, facts.budget));
    }
    for (const tables::DataTable& table : shown) {
        written[std::string(table.name)] = tableJson(table);
    }
    doc[key::tables] = std::move(written);
    Json parts = {{key::path, pathJson(record)}, {key::sessions, sessionsJson(record)}};
    if (record.parts().crowd) {
        parts[key::crowd] = crowdJson(record.crowd());
    }
    if (record.parts().budget) {
        parts[key::budget] = budgetJson(record.budget());
    }
    doc[key::record] = std::move(parts);
    return doc.dump(2) + "\n";
}

std::string runDocument(const SavedRun& run) {
    return runDocument(run.play, run.record,
                       {run.seed, run.interrupted, run.withLaws ? &lawsOf(run.play.level) : nullptr,
                        run.budget ? &*run.budget : nullptr});
}

std::variant<SavedRun, DocumentError> readRunDocument(std::string_view text) {
    const auto read =
        opened(text, {format, runDocumentVersion, largestRunDocument, deepestNesting, mostValues});
    if (const auto* error = std::get_if<DocumentError>(&read)) {
        return *error;
    }
    const Json& doc = std::get<Json>(read);
    try {
        return savedRun(doc);
    } catch (const Damaged& damaged) {
        return DocumentError{DocumentError::Kind::damaged, damaged.where};
    }
}

std::string exactDocument(std::span<const int> levels,
                          std::span<const odds::SessionLaws* const> laws, bool interrupted) {
    Json all = Json::array();
    for (std::size_t l = 0; l < levels.size(); ++l) {
        all.push_back(exactJson(levels[l], laws[l]));
    }
    Json doc = Json::object();
    if (interrupted) {
        doc[key::interrupted] = true;
    }
    doc["levels"] = std::move(all);
    return doc.dump(2) + "\n";
}

}  // namespace zarno
