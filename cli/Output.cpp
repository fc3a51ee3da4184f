#include "cli/Output.h"

#include <algorithm>
#include <vector>

#include "core/chart/ChartData.h"
#include "core/chart/ChartTables.h"
#include "core/document/Csv.h"
#include "core/document/RunDocument.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/NumberFormat.h"

namespace zarno::cli {
namespace {

// Characters on a terminal: UTF-8's continuation bytes take no room.
std::size_t widthOf(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    }));
}

// A table under its heading, each column as wide as its widest cell, the figures to the right.
void appendTable(std::string& out, std::string_view heading, const Table& table) {
    std::vector<std::size_t> widths(table.headers.size());
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = widthOf(table.headers[c]);
        for (const auto& row : table.rows) {
            widths[c] = std::max(widths[c], widthOf(row[c]));
        }
    }
    out.append("\n").append(heading).append("\n");
    const auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            out.append(c > 0 ? 2 : 0, ' ').append(widths[c] - widthOf(cells[c]), ' ');
            out.append(cells[c]);
        }
        out.append("\n");
    };
    line(table.headers);
    for (const auto& row : table.rows) {
        line(row);
    }
}

// The budget's table, with its observed columns only where there are players, and its line.
void appendBudget(std::string& out, const SeriesRecord& record, const odds::BudgetLaw& law,
                  const Wording& wording) {
    Table table = budgetTable(record, &law, wording);
    if (record.budget().completed == 0) {
        table.headers = {table.headers[0], table.headers[1]};
        for (auto& row : table.rows) {
            row = {row[0], row[1]};
        }
    }
    const std::string heading = std::string(wording(texts::budgetTab)) + ", " +
                                std::string(wording(texts::budgetLabel)) +
                                std::to_string(law.budget);
    appendTable(out, heading, table);
    Table summary = budgetSummaryTable(record, &law, wording);
    if (record.budget().completed == 0) {
        summary.headers.pop_back();
        summary.rows.front().pop_back();
    }
    appendTable(out, "", summary);
}

std::string runText(const Request& request, const Drawn& drawn, const odds::SessionLaws& laws,
                    const odds::BudgetLaw& budget, const Wording& wording) {
    const SeriesRecord& record = drawn.record;
    const int level = request.play.level;
    std::string out = "Zarno " ZARNO_VERSION "\n";
    out.append(playLine(request.play, wording)).append("\n");
    out.append(rowsLine(record.rows(), wording)).append("\n");
    std::string winnings;
    writeWinningsCaption(winnings, record.winnings(), std::max<std::int64_t>(record.rows(), 1),
                         wording);
    out.append(winnings).append("\n");
    out.append(repeatabilityLine(request.seed, wording)).append("\n");
    if (drawn.interrupted) {
        out.append(wording(texts::interruptedLine)).append("\n");
    }
    appendTable(out, wording(texts::payoutTab), payoutTable(record, level, wording));
    appendTable(out, wording(texts::hitsTab), hitsTable(record, level, wording));
    appendTable(out, wording(texts::playersTab), playersTable(record, level, &laws, wording));
    appendBudget(out, record, budget, wording);
    return out;
}

std::vector<odds::SessionLaws> lawsOf(const std::vector<int>& levels) {
    std::vector<odds::SessionLaws> laws;
    for (const int level : levels) {
        laws.push_back(odds::sessionLaws(level));
    }
    return laws;
}

std::vector<const odds::SessionLaws*> pointersTo(const std::vector<odds::SessionLaws>& laws) {
    std::vector<const odds::SessionLaws*> pointers;
    for (const odds::SessionLaws& law : laws) {
        pointers.push_back(&law);
    }
    return pointers;
}

// The exact figures of the levels for people, as the exact tables give them: a line of the
// level's own, its hit counts and its players.
std::string exactText(const std::vector<int>& levels, const std::vector<odds::SessionLaws>& laws,
                      const std::vector<odds::BudgetLaw>& budgets, const Wording& wording) {
    const char separator = wording.separator();
    const chart::DataTable levelTable = chart::exactLevelsData(levels, pointersTo(laws));
    const chart::DataTable hitsTable = chart::exactHitsData(levels);
    std::string out;
    for (std::size_t l = 0; l < levels.size(); ++l) {
        const int level = levels[l];
        const auto& figures = levelTable.rows[l];  // level, payout, kept, sd, rows_to_settle, ...
        out.append(l > 0 ? "\n" : "")
            .append(filled(wording(texts::exactHeading), {std::to_string(level)}))
            .append("\n");
        out.append(filled(wording(texts::exactLine),
                          {formatNumber(std::get<double>(figures[1]) * 100, "0.00", separator),
                           formatNumber(std::get<double>(figures[3]), "0.00", separator),
                           formatNumber(std::get<std::int64_t>(figures[4]), rowCounterPattern,
                                        separator)}))
            .append("\n");
        Table hits;
        for (const std::string_view column : texts::exactHitsColumns) {
            hits.headers.emplace_back(wording(column));
        }
        for (const auto& row : hitsTable.rows) {  // level, hits, chance, prize
            if (std::get<std::int64_t>(row[0]) != level) {
                continue;
            }
            const auto k = static_cast<int>(std::get<std::int64_t>(row[1]));
            hits.rows.push_back(
                {std::to_string(k),
                 formatNumber(std::get<double>(row[2]) * 100, sharePattern(level, k), separator),
                 std::to_string(std::get<std::int64_t>(row[3]))});
        }
        appendTable(out, wording(texts::hitsTab), hits);
        // The players' table with only its exact columns.
        Table players = playersTable(SeriesRecord{}, level, &laws[l], wording);
        const auto& headers = players.headers;
        players.headers = {headers[0], headers[3], headers[5], headers[6], headers[7], headers[8]};
        for (auto& row : players.rows) {
            row = {row[0], row[3], row[5], row[6], row[7], row[8]};
        }
        appendTable(out, wording(texts::playersTab), players);
        appendBudget(out, SeriesRecord{}, budgets[l], wording);
    }
    appendTable(out, wording(texts::levelsTab), levelsTable(levels, pointersTo(laws), wording));
    return out;
}

}  // namespace

std::string runOutput(const Request& request, const Drawn& drawn, const Wording& wording) {
    const int level = request.play.level;
    const odds::SessionLaws laws = odds::sessionLaws(level);
    const odds::BudgetLaw budget = odds::budgetLaw(level, request.budget);
    switch (request.format) {
        case Format::json:
            return runDocument(request.play, request.seed, drawn.record, &laws, &budget);
        case Format::csv:
            if (request.table == "budget") {
                return csvOf(chart::budgetData(drawn.record, &budget));
            }
            return csvOf(request.table == "hits" ? chart::hitsData(drawn.record, level)
                         : request.table == "players"
                             ? chart::playersData(drawn.record, level, &laws)
                             : chart::payoutData(drawn.record, level));
        case Format::text:
            break;
    }
    return runText(request, drawn, laws, budget, wording);
}

std::string exactOutput(const Request& request, const Wording& wording) {
    const std::vector<odds::SessionLaws> laws = lawsOf(request.levels);
    std::vector<odds::BudgetLaw> budgets;
    for (const int level : request.levels) {
        budgets.push_back(odds::budgetLaw(level, request.budget));
    }
    switch (request.format) {
        case Format::json:
            return exactDocument(request.levels, laws);
        case Format::csv:
            if (request.table == "budget") {
                return csvOf(chart::exactBudgetData(budgets));
            }
            return csvOf(request.table == "hits" ? chart::exactHitsData(request.levels)
                         : request.table == "players"
                             ? chart::exactPlayersData(request.levels, laws)
                             : chart::exactLevelsData(request.levels, pointersTo(laws)));
        case Format::text:
            break;
    }
    return exactText(request.levels, laws, budgets, wording);
}

}  // namespace zarno::cli
