#include "cli/Output.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/chart/TableText.h"
#include "core/document/Csv.h"
#include "core/document/RunDocument.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/Console.h"
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
void appendBudget(std::string& out, const SeriesRecord& record, const odds::BudgetLaw* law,
                  int budget, const Wording& wording) {
    const bool observed = record.budget().completed > 0;
    const auto shown = [observed](const tables::DataTable& table) {
        return observed ? table : tables::exactColumns(table);
    };
    const std::string heading = std::string(wording(texts::budgetTab)) + ", " +
                                std::string(wording(texts::budgetLabel)) + std::to_string(budget);
    appendTable(out, heading, textOf(shown(tables::budgetData(record, law)), wording));
    appendTable(out, "", textOf(shown(tables::budgetSummaryData(record, law)), wording));
}

// A run, drawn or saved, and the exact figures beside it.
struct Shown {
    const Play& play;
    const SeriesRecord& record;
    RunFacts facts;
};

std::string runText(const Shown& run, const Wording& wording) {
    const SeriesRecord& record = run.record;
    const int level = run.play.level;
    const RunFacts& facts = run.facts;
    std::string out = "Zarno " ZARNO_VERSION "\n";
    out.append(playLine(run.play, wording)).append("\n");
    out.append(rowsLine(record.rows(), wording)).append("\n");
    std::string winnings;
    writeWinningsCaption(winnings, record.winnings(), std::max<std::int64_t>(record.rows(), 1),
                         wording);
    out.append(winnings).append("\n");
    out.append(repeatabilityLine(facts.seed, wording,
                                 facts.interrupted ? std::optional(record.rows()) : std::nullopt))
        .append("\n");
    if (facts.interrupted) {
        out.append(wording(texts::interruptedLine)).append("\n");
    }
    appendTable(out, wording(texts::payoutTab), textOf(tables::payoutData(record, level), wording));
    appendTable(out, wording(texts::hitsTab), textOf(tables::hitsData(record, level), wording));
    if (level == maxLevel) {
        appendTable(out, wording(texts::jackpotsHeading),
                    textOf(tables::jackpotsData(record), wording));
    }
    appendTable(out, wording(texts::playersTab),
                textOf(tables::playersData(record, level, facts.laws), wording));
    appendBudget(out, record, facts.budget, record.budget().budget, wording);
    return out;
}

// The run's table that the command line names.
tables::DataTable runTable(std::string_view name, const Shown& run) {
    const int level = run.play.level;
    const SeriesRecord& record = run.record;
    if (name == tables::hitsTable.name) {
        return tables::hitsData(record, level);
    }
    if (name == tables::playersTable.name) {
        return tables::playersData(record, level, run.facts.laws);
    }
    if (name == tables::budgetTable.name) {
        return tables::budgetData(record, run.facts.budget);
    }
    if (name == tables::jackpotsTable.name) {
        return tables::jackpotsData(record);
    }
    return tables::payoutData(record, level);
}

std::string written(const Request& request, const Shown& run, const Wording& wording) {
    switch (request.format) {
        case Format::json:
            return runDocument(run.play, run.record, run.facts);
        case Format::csv:
            return csvOf(runTable(request.table, run));
        case Format::text:
            break;
    }
    return runText(run, wording);
}

// The laws of sessions at a level, unless Ctrl+C came before they were finished.
std::optional<odds::SessionLaws> sessionLawsUnlessInterrupted(int level) {
    odds::SessionLaws laws = odds::sessionLaws(level, &interruption());
    return interrupted() ? std::nullopt : std::optional(std::move(laws));
}

// The exact figures of the levels for people, as the exact tables give them: a line of the
// level's own, its hit counts, its players and its budget.
std::string exactText(const std::vector<int>& levels,
                      const std::vector<const odds::SessionLaws*>& laws,
                      const std::vector<odds::BudgetLaw>& budgets, int budget,
                      const Wording& wording) {
    const char separator = wording.separator();
    const tables::DataTable levelTable = tables::levelsData(levels, laws);
    const tables::DataTable hits = tables::exactHitsData(levels);
    std::string out;
    if (interrupted()) {
        out.append(wording(texts::exactInterrupted)).append("\n\n");
    }
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
            textOf(tables::exactColumns(tables::playersData(SeriesRecord{}, level, laws[l])),
                   wording));
        appendBudget(out, SeriesRecord{}, &budgets[l], budget, wording);
    }
    appendTable(out, wording(texts::levelsTab), textOf(levelTable, wording));
    return out;
}

}  // namespace

std::string runOutput(const Request& request, const Drawn& drawn, const Wording& wording) {
    const int level = request.play.level;
    const std::optional<odds::SessionLaws> laws =
        interrupted() ? std::nullopt : sessionLawsUnlessInterrupted(level);
    const odds::BudgetLaw budget = odds::budgetLaw(level, request.budget, &interruption());
    const RunFacts facts{request.seed, drawn.interrupted || interrupted(), laws ? &*laws : nullptr,
                         &budget};
    return written(request, {request.play, drawn.record, facts}, wording);
}

std::string savedRunOutput(const Request& request, const SavedRun& run, const Wording& wording) {
    const std::optional<odds::SessionLaws> laws =
        run.withLaws ? sessionLawsUnlessInterrupted(run.play.level) : std::nullopt;
    if (run.withLaws && !laws) {
        // Cut short, the saved run is still written as it was saved, bar the laws not at hand.
        return written(request, {run.play, run.record, {run.seed, true, nullptr, nullptr}},
                       wording);
    }
    const RunFacts facts{run.seed, run.interrupted, laws ? &*laws : nullptr,
                         run.budget ? &*run.budget : nullptr};
    return written(request, {run.play, run.record, facts}, wording);
}

std::string lessonsOutput(const Request& request, std::span<const NamedLesson> lessons,
                          const Wording& wording) {
    if (request.format == Format::csv) {
        return csvOf(request.table == tables::lessonSummaryTable.name ? classSummaryData(lessons)
                                                                      : pupilsData(lessons));
    }
    std::string out = "Zarno " ZARNO_VERSION "\n";
    appendTable(out, wording(texts::pupilsHeading), textOf(pupilsData(lessons), wording));
    appendTable(out, wording(texts::summaryHeading), textOf(classSummaryData(lessons), wording));
    return out;
}

std::string exactOutput(const Request& request, const Wording& wording) {
    std::vector<odds::SessionLaws> worked;
    worked.reserve(request.levels.size());
    std::vector<const odds::SessionLaws*> laws;
    std::vector<odds::BudgetLaw> budgets;
    for (const int level : request.levels) {
        const std::optional<odds::SessionLaws> law =
            interrupted() ? std::nullopt : sessionLawsUnlessInterrupted(level);
        laws.push_back(law ? &worked.emplace_back(*law) : nullptr);
        budgets.push_back(odds::budgetLaw(level, request.budget, &interruption()));
    }
    switch (request.format) {
        case Format::json:
            return exactDocument(request.levels, laws, interrupted());
        case Format::csv:
            if (request.table == tables::exactHitsTable.name) {
                return csvOf(tables::exactHitsData(request.levels));
            }
            if (request.table == tables::exactPlayersTable.name) {
                return csvOf(tables::exactPlayersData(request.levels, laws));
            }
            if (request.table == tables::exactBudgetTable.name) {
                return csvOf(tables::exactBudgetData(budgets));
            }
            return csvOf(tables::levelsData(request.levels, laws));
        case Format::text:
            break;
    }
    return exactText(request.levels, laws, budgets, request.budget, wording);
}

}  // namespace zarno::cli
