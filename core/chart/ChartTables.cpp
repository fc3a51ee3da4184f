#include "core/chart/ChartTables.h"

#include <charconv>
#include <cmath>

#include "core/odds/Odds.h"
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

std::string formatted(double value, std::string_view pattern, char separator) {
    return std::isfinite(value) ? formatNumber(value, pattern, separator) : std::string();
}

std::string rowsText(std::int64_t rows, char separator) {
    return formatNumber(rows, rowCounterPattern, separator);
}

std::string significant(double value, char separator) {
    std::string text;
    appendSignificant(text, value, separator);
    return text;
}

bool isPowerOfTen(std::int64_t rows) {
    while (rows >= 10 && rows % 10 == 0) {
        rows /= 10;
    }
    return rows == 1;
}

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
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, 3 - magnitude);
    appendFormatted(
        out, value,
        decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0",
        separator);
}

Table payoutTable(const SeriesRecord& record, int level, const Wording& wording) {
    const char separator = wording.separator();
    Table table{headersOf(texts::payoutColumns, wording), {}};
    if (!isLevel(level)) {
        return table;
    }
    const double expected = 100 * odds::expectedPrize(level);
    const auto line = [&](std::int64_t rows, std::int64_t winnings) {
        const odds::Band band = odds::payoutBand(level, rows, 2);
        table.rows.push_back(
            {rowsText(rows, separator), formatted(percentOf(winnings, rows), "0.00", separator),
             formatted(expected, "0.00", separator), formatted(band.low, "0.00", separator),
             formatted(band.high, "0.00", separator)});
    };
    for (const PayoutPoint& point : record.path()) {
        if (isPowerOfTen(point.rows)) {
            line(point.rows, point.winnings);
        }
    }
    if (record.rows() > 0 && (table.rows.empty() || !isPowerOfTen(record.rows()))) {
        line(record.rows(), record.winnings());
    }
    return table;
}

Table hitsTable(const SeriesRecord& record, int level, const Wording& wording) {
    const char separator = wording.separator();
    Table table{headersOf(texts::hitsColumns, wording), {}};
    if (!isLevel(level)) {
        return table;
    }
    for (int k = level; k >= 0; --k) {
        const std::int64_t count = record.hits()[static_cast<std::size_t>(k)];
        const double p = odds::hitChance(level, k);
        const std::string_view pattern = sharePattern(level, k);
        std::vector<std::string> line = {std::to_string(k), std::to_string(count), "",
                                         formatted(100 * p, pattern, separator), ""};
        if (record.rows() > 0) {
            line[2] = formatted(percentOf(count, record.rows()), pattern, separator);
            line[4] =
                formatted(odds::hitDeviation(level, k, count, record.rows()), "0.00", separator);
        }
        table.rows.push_back(std::move(line));
    }
    return table;
}

Table playersTable(const SeriesRecord& record, int level, const odds::SessionLaws* laws,
                   const Wording& wording) {
    const char separator = wording.separator();
    Table table{headersOf(texts::playersColumns, wording), {}};
    if (!isLevel(level)) {
        return table;
    }
    for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
        const SessionTally& tally = record.sessions(i);
        const int length = sessionLengths[i];
        std::vector<std::string> line(texts::playersColumns.size());
        line[0] = std::to_string(length);
        line[1] = rowsText(tally.completed, separator);
        if (tally.completed > 0) {
            line[2] = significant(percentOf(tally.ahead, tally.completed), separator);
            if (const auto median = tally.medianNet()) {
                line[4] = std::to_string(*median);
            }
        }
        if (laws) {
            const odds::SessionLaw& law = (*laws)[i];
            line[3] = significant(100 * law.ahead, separator);
            if (const auto median = law.medianNet()) {
                line[5] = std::to_string(*median);
            }
        }
        line[6] = formatted(length * (odds::expectedPrize(level) - 1), "0.00", separator);
        table.rows.push_back(std::move(line));
    }
    return table;
}

}  // namespace zarno
