#include "core/document/RunDocument.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>

#include "core/engine/PrizeTable.h"
#include "core/series/Tally.h"
#include "core/tables/TableData.h"

namespace zarno {
namespace {

// Keys stay in the order written, so that the same run gives the same bytes.
using Json = nlohmann::ordered_json;

constexpr std::string_view format = "zarno-run";

// The document's keys, for its writer and its reader alike.
namespace key {
constexpr const char* format = "format";
constexpr const char* version = "version";
constexpr const char* level = "level";
constexpr const char* numbers = "numbers";
constexpr const char* seed = "seed";
constexpr const char* repeatable = "repeatable";
constexpr const char* rows = "rows";
constexpr const char* winnings = "winnings";
constexpr const char* payout = "payout";
constexpr const char* hits = "hits";
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
constexpr const char* fromRow = "from_row";
constexpr const char* doubled = "doubled";
constexpr const char* goneAfter = "gone_after";
}  // namespace key

// Where a part of the record is, for the field a damaged one names.
std::string in(const char* part) {
    return std::string(key::record) + "." + part;
}
// More payout points than the record ever keeps: a file with more is not one of its records.
constexpr std::size_t mostPathPoints = 10'000;

Json cellJson(const tables::Cell& cell) {
    if (const auto* whole = std::get_if<std::int64_t>(&cell)) {
        return *whole;
    }
    if (const auto* real = std::get_if<double>(&cell)) {
        return *real;
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
    const tables::DataTable players = tables::exactPlayersData(levels, {laws, 1});
    exact[key::players] = Json::array();
    for (const auto& row : players.rows) {
        exact[key::players].push_back(objectOf(players, row, key::level));
    }
    return exact;
}

// A field at fault, found while reading.
struct Damaged {
    std::string where;
};

const Json& field(const Json& object, const char* key) {
    if (!object.is_object() || !object.contains(key)) {
        throw Damaged{key};
    }
    return object.at(key);
}

std::int64_t whole(const Json& value, const std::string& where, std::int64_t low,
                   std::int64_t high) {
    if (!value.is_number_integer()) {
        throw Damaged{where};
    }
    // A number above what 64 bits hold is read as an unsigned one.
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(high)) {
        throw Damaged{where};
    }
    const auto number = value.get<std::int64_t>();
    if (number < low || number > high) {
        throw Damaged{where};
    }
    return number;
}

const Json& array(const Json& value, const std::string& where, std::size_t size) {
    if (!value.is_array() || value.size() != size) {
        throw Damaged{where};
    }
    return value;
}

// Counts by a key, as [key, count] pairs by rising key, each key in [low, high] and each count at
// least one; gives them and their sum.
std::pair<std::map<std::int64_t, std::int64_t>, std::int64_t> countsByKey(const Json& value,
                                                                          const std::string& where,
                                                                          std::int64_t low,
                                                                          std::int64_t high) {
    if (!value.is_array()) {
        throw Damaged{where};
    }
    std::map<std::int64_t, std::int64_t> counts;
    std::int64_t sum = 0;
    for (const Json& pair : value) {
        array(pair, where, 2);
        const std::int64_t key = whole(pair[0], where, low, high);
        if (!counts.empty() && key <= counts.rbegin()->first) {
            throw Damaged{where};
        }
        const std::int64_t count =
            whole(pair[1], where, 1, std::numeric_limits<std::int64_t>::max() - sum);
        counts.emplace(key, count);
        sum += count;
    }
    return {std::move(counts), sum};
}

Json countsJson(const std::map<std::int64_t, std::int64_t>& counts) {
    Json pairs = Json::array();
    for (const auto& [key, count] : counts) {
        pairs.push_back({key, count});
    }
    return pairs;
}

// The payout's path, as [rows, winnings] pairs by rising rows.
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
    if (!path.is_array() || path.size() > mostPathPoints) {
        throw Damaged{where};
    }
    std::vector<PayoutPoint> points;
    for (const Json& point : path) {
        array(point, where, 2);
        const std::int64_t rows = whole(point[0], where, refreshStride, tally.rows);
        if (!points.empty() && rows <= points.back().rows) {
            throw Damaged{where};
        }
        points.push_back({rows, whole(point[1], where, 0, rows * prize(level, level))});
    }
    return points;
}

// The sessions of each length, in sessionLengths' order.
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
std::array<SessionTally, sessionLengths.size()> readSessions(const Json& record,
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
        kept.completed = whole(field(session, key::players), where, 0, tally.rows / length);
        kept.ahead = whole(field(session, key::ahead), where, 0, kept.completed);
        const Json& byWinnings =
            array(field(session, key::byWinnings), where, static_cast<std::size_t>(length) + 1);
        std::int64_t players = kept.ahead;
        for (const Json& count : byWinnings) {
            kept.byWinnings.push_back(whole(count, where, 0, kept.completed));
            players += kept.byWinnings.back();
        }
        if (players != kept.completed) {
            throw Damaged{where};
        }
    }
    return tallies;
}

// The crowd's players, absent from runs saved before there was a crowd.
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
CrowdTally readCrowd(const Json& record, int level, std::int64_t rows) {
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
    crowd.completed = whole(field(saved, key::players), where, 0, rows / odds::crowdGrid.back());
    const Json& byWinnings = array(field(saved, key::byWinnings), where, odds::crowdGrid.size());
    for (std::size_t i = 0; i < byWinnings.size(); ++i) {
        auto [counts, players] =
            countsByKey(byWinnings[i], where, 0, odds::crowdGrid[i] * prize(level, level));
        if (players != crowd.completed) {
            throw Damaged{where};
        }
        crowd.byWinnings[i] = std::move(counts);
    }
    const Json& paths = array(
        field(saved, key::paths), where,
        static_cast<std::size_t>(std::min<std::int64_t>(crowd.completed, CrowdTally::pathsKept)));
    for (const Json& path : paths) {
        array(path, where, odds::crowdGrid.size());
        CrowdTally::Path kept{};
        for (std::size_t i = 0; i < kept.size(); ++i) {
            kept[i] = whole(path[i], where, i == 0 ? 0 : kept[i - 1],
                            odds::crowdGrid[i] * prize(level, level));
        }
        crowd.paths.push_back(kept);
    }
    return crowd;
}

// The budget's players, absent from runs saved before there was a budget: then none, from the
// run's last row on.
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
    auto [gone, players] =
        countsByKey(field(saved, key::goneAfter), where, 1, odds::longestPlay(budget.budget));
    if (players > budget.completed) {
        throw Damaged{where};
    }
    budget.goneAfter = std::move(gone);
    return budget;
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
    if (!isTicket(std::span<const std::int64_t>(read), play.level)) {
        throw Damaged{key::numbers};
    }
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
    if (std::accumulate(tally.hits.begin(), tally.hits.end(), std::int64_t{0}) != tally.rows) {
        throw Damaged{key::hits};
    }
    if (won != tally.winnings) {
        throw Damaged{key::winnings};
    }
    return tally;
}

SavedRun savedRun(const Json& doc) {
    SavedRun run;
    run.play = readPlay(doc);
    const int level = run.play.level;
    const Json& seed = field(doc, key::seed);
    if (!seed.is_null()) {
        if (!seed.is_number_unsigned()) {
            throw Damaged{key::seed};
        }
        run.seed = seed.get<std::uint64_t>();
    }
    const Tally tally = readTally(doc, level);
    const Json& record = field(doc, key::record);
    run.record = SeriesRecord::restored(
        level, tally, readPath(record, level, tally), readSessions(record, tally),
        readCrowd(record, level, tally.rows), readBudget(record, tally.rows));
    return run;
}

}  // namespace

std::string runDocument(const Play& play, std::optional<std::uint64_t> seed,
                        const SeriesRecord& record, const odds::SessionLaws* laws,
                        const odds::BudgetLaw* budget) {
    const int level = play.level;
    Json doc = Json::object();
    doc[key::format] = format;
    doc[key::version] = runDocumentVersion;
    doc[key::level] = level;
    doc[key::numbers] = std::vector<int>(play.numbers.begin(),
                                         play.numbers.begin() + std::clamp(level, 0, numberBoxes));
    doc[key::seed] = seed ? Json(*seed) : Json(nullptr);
    doc[key::repeatable] = seed.has_value();
    doc[key::rows] = record.rows();
    doc[key::winnings] = record.winnings();
    doc[key::payout] =
        record.rows() > 0 ? Json(shareOf(record.winnings(), record.rows())) : Json(nullptr);
    doc[key::hits] = std::vector<std::int64_t>(
        record.hits().begin(), record.hits().begin() + std::clamp(level + 1, 0, maxLevel + 1));
    if (isLevel(level)) {
        doc[key::exact] = exactJson(level, laws);
    }
    Json written = Json::object();
    for (const tables::DataTable& table :
         {tables::payoutData(record, level), tables::hitsData(record, level),
          tables::playersData(record, level, laws), tables::budgetData(record, budget),
          tables::budgetSummaryData(record, budget)}) {
        written[std::string(table.name)] = tableJson(table);
    }
    doc[key::tables] = std::move(written);
    doc[key::record] = {{key::path, pathJson(record)},
                        {key::sessions, sessionsJson(record)},
                        {key::crowd, crowdJson(record.crowd())},
                        {key::budget, budgetJson(record.budget())}};
    return doc.dump(2) + "\n";
}

std::variant<SavedRun, DocumentError> readRunDocument(std::string_view text) {
    const Json doc = Json::parse(text.begin(), text.end(), nullptr, false);
    if (doc.is_discarded()) {
        return DocumentError{DocumentError::Kind::notJson};
    }
    if (!doc.is_object() || !doc.contains(key::format) || doc[key::format] != format ||
        !doc.contains(key::version) || !doc[key::version].is_number_unsigned() ||
        doc[key::version].get<std::uint64_t>() < 1) {
        return DocumentError{DocumentError::Kind::notARun};
    }
    if (const auto version = doc[key::version].get<std::uint64_t>(); version > runDocumentVersion) {
        return DocumentError{DocumentError::Kind::newer,
                             {},
                             static_cast<int>(std::min<std::uint64_t>(version, 999'999))};
    }
    try {
        return savedRun(doc);
    } catch (const Damaged& damaged) {
        return DocumentError{DocumentError::Kind::damaged, damaged.where};
    }
}

std::string exactDocument(std::span<const int> levels, std::span<const odds::SessionLaws> laws) {
    Json all = Json::array();
    for (std::size_t l = 0; l < levels.size(); ++l) {
        all.push_back(exactJson(levels[l], &laws[l]));
    }
    Json doc = Json::object();
    doc["levels"] = std::move(all);
    return doc.dump(2) + "\n";
}

}  // namespace zarno
