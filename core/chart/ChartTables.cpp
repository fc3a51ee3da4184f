#include "core/chart/ChartTables.h"

#include <charconv>
#include <cmath>

#include "core/chart/ChartData.h"
#include "core/odds/Odds.h"
#include "core/series/Tally.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/NumberFormat.h"

namespace zarno {
namespace {

template <std::size_t N>
std::vector<std::string> headersOf(const std::array<std::string_view, N>& columns,
                                   const Wording& wording) {
    std::vector<std::string> headers;
    for (const std::string_view column : columns) {
        headers.emplace_back(wording(column));
    }
    return headers;
}

// A table's figures as the window writes them: each column has its way, and a missing figure is
// a blank.
class Writer {
public:
    explicit Writer(char separator) : separator_(separator) {}

    std::string whole(const chart::Cell& cell) const {
        return has(cell) ? std::to_string(std::get<std::int64_t>(cell)) : std::string();
    }
    std::string rows(const chart::Cell& cell) const {
        return has(cell) ? formatNumber(std::get<std::int64_t>(cell), rowCounterPattern, separator_)
                         : std::string();
    }
    std::string number(const chart::Cell& cell, std::string_view pattern) const {
        return has(cell) ? formatted(std::get<double>(cell), pattern) : std::string();
    }
    // A fraction in percent.
    std::string percent(const chart::Cell& cell, std::string_view pattern) const {
        return has(cell) ? formatted(std::get<double>(cell) * 100, pattern) : std::string();
    }
    std::string significant(const chart::Cell& cell) const {
        std::string text;
        if (has(cell)) {
            appendSignificant(text, std::get<double>(cell), separator_);
        }
        return text;
    }
    // A real number of rows, to the nearest row.
    std::string roundRows(const chart::Cell& cell) const {
        return has(cell) ? rows(std::llround(std::get<double>(cell))) : std::string();
    }
    std::string significantPercent(const chart::Cell& cell) const {
        std::string text;
        if (has(cell)) {
            appendSignificant(text, std::get<double>(cell) * 100, separator_);
        }
        return text;
    }

private:
    static bool has(const chart::Cell& cell) {
        return !std::holds_alternative<std::monostate>(cell);
    }
    std::string formatted(double value, std::string_view pattern) const {
        return std::isfinite(value) ? formatNumber(value, pattern, separator_) : std::string();
    }

    char separator_;
};

}  // namespace

void appendSignificant(std::string& out, double value, char separator) {
    if (!std::isfinite(value)) {
        return;
    }
    if (value == 0) {
        out.push_back('0');
        return;
    }
    if (std::fabs(value) < 1e-4) {
        char text[32];
        const auto end =
            std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 3).ptr;
        for (char* c = text; c != end; ++c) {
            out.push_back(*c == '.' ? separator : *c);
        }
        return;
    }
    int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    // Rounding may carry into the next power of ten: 99.99996 is 100.0, not 100.00.
    if (std::round(std::fabs(value) * std::pow(10.0, 3 - magnitude)) >= 1e4) {
        ++magnitude;
    }
    const int decimals = std::max(0, 3 - magnitude);
    appendFormatted(
        out, value,
        decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0",
        separator);
}

Table payoutTable(const SeriesRecord& record, int level, const Wording& wording) {
    const Writer write(wording.separator());
    Table table{headersOf(texts::payoutColumns, wording), {}};
    for (const auto& row : chart::payoutData(record, level).rows) {
        table.rows.push_back({write.rows(row[0]), write.percent(row[1], "0.00"),
                              write.percent(row[2], "0.00"), write.percent(row[3], "0.00"),
                              write.percent(row[4], "0.00")});
    }
    return table;
}

Table hitsTable(const SeriesRecord& record, int level, const Wording& wording) {
    const Writer write(wording.separator());
    Table table{headersOf(texts::hitsColumns, wording), {}};
    for (const auto& row : chart::hitsData(record, level).rows) {
        const std::string_view pattern =
            sharePattern(level, static_cast<int>(std::get<std::int64_t>(row[0])));
        table.rows.push_back({write.whole(row[0]), write.whole(row[1]),
                              write.percent(row[2], pattern), write.percent(row[3], pattern),
                              write.number(row[4], "0.00")});
    }
    return table;
}

Table playersTable(const SeriesRecord& record, int level, const odds::SessionLaws* laws,
                   const Wording& wording) {
    const Writer write(wording.separator());
    Table table{headersOf(texts::playersColumns, wording), {}};
    for (const auto& row : chart::playersData(record, level, laws).rows) {
        table.rows.push_back(
            {write.whole(row[0]), write.rows(row[1]), write.significantPercent(row[2]),
             write.significantPercent(row[3]), write.whole(row[4]), write.whole(row[5]),
             write.number(row[6], "0.00"), write.whole(row[7]), write.whole(row[8])});
    }
    return table;
}

Table levelsTable(std::span<const int> levels, std::span<const odds::SessionLaws* const> laws,
                  const Wording& wording) {
    const Writer write(wording.separator());
    Table table{headersOf(texts::levelsColumns, wording), {}};
    for (const auto& row : chart::exactLevelsData(levels, laws).rows) {
        table.rows.push_back({write.whole(row[0]), write.significantPercent(row[1]),
                              write.significantPercent(row[2]), write.significant(row[3]),
                              write.rows(row[4]), write.significantPercent(row[5]),
                              write.whole(row[6]), write.significantPercent(row[7]),
                              write.whole(row[8]), write.rows(row[9]), write.roundRows(row[10]),
                              write.significant(row[11])});
    }
    return table;
}

Table budgetTable(const SeriesRecord& record, const odds::BudgetLaw* law, const Wording& wording) {
    const Writer write(wording.separator());
    Table table{headersOf(texts::budgetColumns, wording), {}};
    for (const auto& row : chart::budgetData(record, law).rows) {
        table.rows.push_back({write.rows(row[0]), write.significantPercent(row[1]),
                              write.significantPercent(row[2]), write.rows(row[3])});
    }
    return table;
}

Table budgetSummaryTable(const SeriesRecord& record, const odds::BudgetLaw* law,
                         const Wording& wording) {
    const Writer write(wording.separator());
    Table table{headersOf(texts::budgetSummaryColumns, wording), {}};
    for (const auto& row : chart::budgetSummaryData(record, law).rows) {
        std::string median = write.rows(row[0]);
        if (median.empty() && law && law->complete) {
            median = filled(wording(texts::beyondRows),
                            {formatNumber(odds::budgetRowsPerEuro * law->budget, rowCounterPattern,
                                          wording.separator())});
        }
        table.rows.push_back(
            {median, write.significantPercent(row[1]), write.significantPercent(row[2])});
    }
    return table;
}

std::string budgetFromText(const SeriesRecord& record, const Wording& wording) {
    const std::int64_t from = record.budget().fromRow;
    return from > 0 ? filled(wording(texts::budgetFrom),
                             {formatNumber(from + 1, rowCounterPattern, wording.separator())})
                    : std::string();
}

std::string keptText(const SeriesRecord& record, int level, const Wording& wording) {
    if (!isLevel(level)) {
        return {};
    }
    const char separator = wording.separator();
    const std::string exact =
        formatNumber(100 * (1 - odds::expectedPrize(level)), "0.00", separator);
    if (record.rows() == 0) {
        return filled(wording(texts::keptLine), {exact});
    }
    const double observed = 100 - percentOf(record.winnings(), record.rows());
    return filled(wording(texts::keptObservedLine),
                  {exact, formatNumber(observed, "0.00", separator)});
}

}  // namespace zarno
