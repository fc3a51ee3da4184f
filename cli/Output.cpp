#include "cli/Output.h"

#include <algorithm>
#include <vector>

#include "core/chart/TableText.h"
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
    const bool observed = record.budget().completed > 0;
    const auto shown = [observed](const tables::DataTable& table) {
        return observed ? table : tables::exactColumns(table);
    };
    const std::string heading = std::string(wording(texts::budgetTab)) + ", " +
                                std::string(wording(texts::budgetLabel)) +
                                std::to_string(law.budget);
    appendTable(out, heading, textOf(shown(tables::budgetData(record, &law)), wording));
    appendTable(out, "", textOf(shown(tables::budgetSummaryData(record, &law)), wording));
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
    appendTable(out, wording(texts::payoutTab), textOf(tables::payoutData(record, level), wording));
    appendTable(out, wording(texts::hitsTab), textOf(tables::hitsData(record, level), wording));
    appendTable(out, wording(texts::playersTab),
                textOf(tables::playersData(record, level, &laws), wording));
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
    const tables::DataTable levelTable = tables::levelsData(levels, pointersTo(laws));
    const tables::DataTable hits = tables::exactHitsData(levels);
    std::string out;
    for (std::size_t l = 0; l < levels.size(); ++l) {
        const int level = levels[l];
        const tables::Line& figures = levelTable.rows[l];
        const auto real = [&](std::size_t column) { return std::get<double>(figures[column]); };
        out.append(l > 0 ? "\n" : "")
            .append(filled(wording(texts::exactHeading), {std::to_string(level)}))
            .append("\n");
        out.append(
               filled(wording(texts::exactLine),
                      {formatNumber(real(tables::at(tables::levelsTable, "payout")) * 100, "0.00",
                                    separator),
                       formatNumber(real(tables::at(tables::levelsTable, "sd")), "0.00", separator),
                       formatNumber(std::get<std::int64_t>(
                                        figures[tables::at(tables::levelsTable, "rows_to_settle")]),
                                    rowCounterPattern, separator)}))
            .append("\n");
        appendTable(out, wording(texts::hitsTab),
                    textOf(tables::linesOfLevel(hits, level), wording));
        appendTable(
            out, wording(texts::playersTab),
            textOf(tables::exactColumns(tables::playersData(SeriesRecord{}, level, &laws[l])),
                   wording));
        appendBudget(out, SeriesRecord{}, budgets[l], wording);
    }
    appendTable(out, wording(texts::levelsTab), textOf(levelTable, wording));
    return out;
}

// The table of the kinds given that the request names, of the data that `made` gives for it.
template <std::size_t N, class Make>
std::string csvOfNamed(const std::array<const tables::TableKind*, N>& kinds,
                       const std::string& name, Make made) {
    for (const tables::TableKind* kind : kinds) {
        if (kind->name == name) {
            return csvOf(made(*kind));
        }
    }
    return csvOf(made(*kinds.front()));
}

}  // namespace

std::string runOutput(const Request& request, const Drawn& drawn, const Wording& wording) {
    const int level = request.play.level;
    const SeriesRecord& record = drawn.record;
    const odds::SessionLaws laws = odds::sessionLaws(level);
    const odds::BudgetLaw budget = odds::budgetLaw(level, request.budget);
    switch (request.format) {
        case Format::json:
            return runDocument(request.play, request.seed, record, &laws, &budget);
        case Format::csv:
            return csvOfNamed(
                tables::runCsvTables, request.table, [&](const tables::TableKind& kind) {
                    return &kind == &tables::hitsTable ? tables::hitsData(record, level)
                           : &kind == &tables::playersTable
                               ? tables::playersData(record, level, &laws)
                           : &kind == &tables::budgetTable ? tables::budgetData(record, &budget)
                                                           : tables::payoutData(record, level);
                });
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
            return csvOfNamed(
                tables::exactTables, request.table, [&](const tables::TableKind& kind) {
                    return &kind == &tables::exactHitsTable ? tables::exactHitsData(request.levels)
                           : &kind == &tables::exactPlayersTable
                               ? tables::exactPlayersData(request.levels, laws)
                           : &kind == &tables::exactBudgetTable
                               ? tables::exactBudgetData(budgets)
                               : tables::levelsData(request.levels, pointersTo(laws));
                });
        case Format::text:
            break;
    }
    return exactText(request.levels, laws, budgets, wording);
}

}  // namespace zarno::cli
