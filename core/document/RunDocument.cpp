#include "core/document/RunDocument.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <set>

#include "core/chart/ChartData.h"
#include "core/engine/PrizeTable.h"
#include "core/series/Tally.h"

namespace zarno {
namespace {

// Keys stay in the order written, so that the same run gives the same bytes.
using Json = nlohmann::ordered_json;

constexpr std::string_view format = "zarno-run";
// More payout points than the record ever keeps: a file with more is not one of its records.
constexpr std::size_t mostPathPoints = 10'000;

Json cellJson(const chart::Cell& cell) {
    if (const auto* whole = std::get_if<std::int64_t>(&cell)) {
        return *whole;
    }
    if (const auto* real = std::get_if<double>(&cell)) {
        return *real;
    }
    return nullptr;
}

// A row of a table as an object by the table's keys, but the one `without` names.
Json objectOf(const chart::DataTable& table, const std::vector<chart::Cell>& row,
              std::string_view without = {}) {
    Json object = Json::object();
    for (std::size_t c = 0; c < table.keys.size(); ++c) {
        if (table.keys[c] != without) {
            object[std::string(table.keys[c])] = cellJson(row[c]);
        }
    }
    return object;
}

Json tableJson(const chart::DataTable& table) {
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
    const chart::DataTable levelTable = chart::exactLevelsData(levels, lawsOfLevels);
    Json exact = objectOf(levelTable, levelTable.rows.front());
    const chart::DataTable hits = chart::exactHitsData(levels);
    exact["hits"] = Json::array();
    for (auto row = hits.rows.rbegin(); row != hits.rows.rend(); ++row) {  // by hits from 0
        exact["hits"].push_back(objectOf(hits, *row, "level"));
    }
    if (!laws) {
        return exact;
    }
    const chart::DataTable players = chart::exactPlayersData(levels, {laws, 1});
    exact["players"] = Json::array();
    for (const auto& row : players.rows) {
        exact["players"].push_back(objectOf(players, row, "level"));
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

// The crowd's players, absent from runs saved before there was a crowd.
CrowdTally savedCrowd(const Json& record, int level, std::int64_t rows) {
    CrowdTally crowd;
    if (!record.contains("crowd")) {
        return crowd;
    }
    const std::string where = "record.crowd";
    const Json& saved = field(record, "crowd");
    const Json& grid = array(field(saved, "rows_at"), where, odds::crowdGrid.size());
    for (std::size_t i = 0; i < grid.size(); ++i) {
        whole(grid[i], where, odds::crowdGrid[i], odds::crowdGrid[i]);
    }
    crowd.completed = whole(field(saved, "players"), where, 0, rows / odds::crowdGrid.back());
    const Json& byWinnings = array(field(saved, "by_winnings"), where, odds::crowdGrid.size());
    for (std::size_t i = 0; i < byWinnings.size(); ++i) {
        auto [counts, players] =
            countsByKey(byWinnings[i], where, 0, odds::crowdGrid[i] * prize(level, level));
        if (players != crowd.completed) {
            throw Damaged{where};
        }
        crowd.byWinnings[i] = std::move(counts);
    }
    const Json& paths = array(
        field(saved, "paths"), where,
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
BudgetTally savedBudget(const Json& record, std::int64_t rows) {
    BudgetTally budget{odds::defaultBudget, rows, 0, 0, {}};
    if (!record.contains("budget")) {
        return budget;
    }
    const std::string where = "record.budget";
    const Json& saved = field(record, "budget");
    budget.budget = static_cast<int>(
        whole(field(saved, "budget"), where, odds::smallestBudget, odds::largestBudget));
    budget.fromRow = whole(field(saved, "from_row"), where, 0, rows);
    budget.completed = whole(field(saved, "players"), where, 0, rows - budget.fromRow);
    budget.doubled = whole(field(saved, "doubled"), where, 0, budget.completed);
    auto [gone, players] =
        countsByKey(field(saved, "gone_after"), where, 1, odds::budgetRowsPerEuro * budget.budget);
    if (players > budget.completed) {
        throw Damaged{where};
    }
    budget.goneAfter = std::move(gone);
    return budget;
}

SavedRun savedRun(const Json& doc) {
    SavedRun run;
    const int level = static_cast<int>(whole(field(doc, "level"), "level", minLevel, maxLevel));
    run.play.level = level;
    const Json& numbers = array(field(doc, "numbers"), "numbers", static_cast<std::size_t>(level));
    std::set<std::int64_t> distinct;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::int64_t number = whole(numbers[i], "numbers", 1, highestNumber);
        if (!distinct.insert(number).second) {
            throw Damaged{"numbers"};
        }
        run.play.numbers[i] = static_cast<int>(number);
    }
    const Json& seed = field(doc, "seed");
    if (!seed.is_null()) {
        if (!seed.is_number_unsigned()) {
            throw Damaged{"seed"};
        }
        run.seed = seed.get<std::uint64_t>();
    }

    Tally tally;
    tally.rows = whole(field(doc, "rows"), "rows", 0, rowLimit + 1);
    tally.winnings =
        whole(field(doc, "winnings"), "winnings", 0, std::numeric_limits<std::int64_t>::max());
    const Json& hits = array(field(doc, "hits"), "hits", static_cast<std::size_t>(level) + 1);
    std::int64_t won = 0;
    for (int k = 0; k <= level; ++k) {
        tally.hits[static_cast<std::size_t>(k)] =
            whole(hits[static_cast<std::size_t>(k)], "hits", 0, tally.rows);
        won += tally.hits[static_cast<std::size_t>(k)] * prize(level, k);
    }
    if (std::accumulate(tally.hits.begin(), tally.hits.end(), std::int64_t{0}) != tally.rows) {
        throw Damaged{"hits"};
    }
    if (won != tally.winnings) {
        throw Damaged{"winnings"};
    }

    const Json& record = field(doc, "record");
    const Json& path = field(record, "path");
    if (!path.is_array() || path.size() > mostPathPoints) {
        throw Damaged{"record.path"};
    }
    std::vector<PayoutPoint> points;
    for (const Json& point : path) {
        array(point, "record.path", 2);
        const std::int64_t rows = whole(point[0], "record.path", refreshStride, tally.rows);
        if (!points.empty() && rows <= points.back().rows) {
            throw Damaged{"record.path"};
        }
        points.push_back({rows, whole(point[1], "record.path", 0, rows * prize(level, level))});
    }
    const Json& sessions =
        array(field(record, "sessions"), "record.sessions", sessionLengths.size());
    std::array<SessionTally, sessionLengths.size()> tallies;
    for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
        const Json& session = sessions[i];
        const int length = sessionLengths[i];
        whole(field(session, "session_rows"), "record.sessions", length, length);
        SessionTally& kept = tallies[i];
        kept.length = length;
        kept.completed =
            whole(field(session, "players"), "record.sessions", 0, tally.rows / length);
        kept.ahead = whole(field(session, "ahead"), "record.sessions", 0, kept.completed);
        const Json& byWinnings = array(field(session, "by_winnings"), "record.sessions",
                                       static_cast<std::size_t>(length) + 1);
        std::int64_t players = kept.ahead;
        for (const Json& count : byWinnings) {
            kept.byWinnings.push_back(whole(count, "record.sessions", 0, kept.completed));
            players += kept.byWinnings.back();
        }
        if (players != kept.completed) {
            throw Damaged{"record.sessions"};
        }
    }
    run.record = SeriesRecord::restored(level, tally, std::move(points), std::move(tallies),
                                        savedCrowd(record, level, tally.rows),
                                        savedBudget(record, tally.rows));
    return run;
}

}  // namespace

std::string runDocument(const Play& play, std::optional<std::uint64_t> seed,
                        const SeriesRecord& record, const odds::SessionLaws* laws,
                        const odds::BudgetLaw* budget) {
    const int level = play.level;
    Json doc = Json::object();
    doc["format"] = format;
    doc["version"] = runDocumentVersion;
    doc["level"] = level;
    doc["numbers"] = std::vector<int>(play.numbers.begin(),
                                      play.numbers.begin() + std::clamp(level, 0, numberBoxes));
    doc["seed"] = seed ? Json(*seed) : Json(nullptr);
    doc["repeatable"] = seed.has_value();
    doc["rows"] = record.rows();
    doc["winnings"] = record.winnings();
    doc["payout"] =
        record.rows() > 0
            ? Json(static_cast<double>(record.winnings()) / static_cast<double>(record.rows()))
            : Json(nullptr);
    doc["hits"] = std::vector<std::int64_t>(
        record.hits().begin(), record.hits().begin() + std::clamp(level + 1, 0, maxLevel + 1));
    if (isLevel(level)) {
        doc["exact"] = exactJson(level, laws);
    }
    doc["tables"] = {{"payout", tableJson(chart::payoutData(record, level))},
                     {"hits", tableJson(chart::hitsData(record, level))},
                     {"players", tableJson(chart::playersData(record, level, laws))},
                     {"budget", tableJson(chart::budgetData(record, budget))},
                     {"budget_summary", tableJson(chart::budgetSummaryData(record, budget))}};
    Json path = Json::array();
    for (const PayoutPoint& point : record.path()) {
        path.push_back({point.rows, point.winnings});
    }
    Json sessions = Json::array();
    for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
        const SessionTally& tally = record.sessions(i);
        sessions.push_back({{"session_rows", tally.length},
                            {"players", tally.completed},
                            {"ahead", tally.ahead},
                            {"by_winnings", tally.byWinnings}});
    }
    const CrowdTally& crowd = record.crowd();
    Json byWinnings = Json::array();
    for (const auto& counts : crowd.byWinnings) {
        byWinnings.push_back(countsJson(counts));
    }
    const BudgetTally& players = record.budget();
    doc["record"] = {{"path", std::move(path)},
                     {"sessions", std::move(sessions)},
                     {"crowd",
                      {{"rows_at", odds::crowdGrid},
                       {"players", crowd.completed},
                       {"by_winnings", std::move(byWinnings)},
                       {"paths", crowd.paths}}},
                     {"budget",
                      {{"budget", players.budget},
                       {"from_row", players.fromRow},
                       {"players", players.completed},
                       {"doubled", players.doubled},
                       {"gone_after", countsJson(players.goneAfter)}}}};
    return doc.dump(2) + "\n";
}

std::variant<SavedRun, DocumentError> readRunDocument(std::string_view text) {
    const Json doc = Json::parse(text.begin(), text.end(), nullptr, false);
    if (doc.is_discarded()) {
        return DocumentError{DocumentError::Kind::notJson};
    }
    if (!doc.is_object() || !doc.contains("format") || doc["format"] != format ||
        !doc.contains("version") || !doc["version"].is_number_unsigned() ||
        doc["version"].get<std::uint64_t>() < 1) {
        return DocumentError{DocumentError::Kind::notARun};
    }
    if (const auto version = doc["version"].get<std::uint64_t>(); version > runDocumentVersion) {
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
