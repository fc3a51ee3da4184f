#include "ResultsText.h"

#include <array>

#include "Levels.h"
#include "NumberFormat.h"

namespace zarno {
namespace {

// Share patterns by level (rows, from 2) and hit count (columns, from 0).
constexpr std::array<std::array<std::string_view, maxLevel + 1>, maxLevel - minLevel + 1>
    sharePatterns{{
        {"#.#", "#.#", "#.#"},
        {"#.#", "#.#", "#.#", "#.#"},
        {"#.#", "#.#", "#.#", "#.#", "0.0"},
        {"#.#", "#.#", "#.#", "#.#", "0.0", "0.0"},
        {"#.#", "#.#", "#.#", "#.#", "0.0", "0.00", "0.000"},
        {"#.#", "#.#", "#.#", "#.#", "0.0", "0.00", "0.000", "0.0000"},
        {"#.#", "#.#", "#.#", "#.#", "0.0", "0.00", "0.000", "0.0000", "0.0000"},
        {"#.#", "#.#", "#.#", "#.#", "0.0", "0.00", "0.000", "0.0000", "0.0000", "0.00000"},
        {"#.#", "#.#", "#.#", "#.#", "0.0", "0.00", "0.000", "0.0000", "0.0000", "0.00000",
         "0.00000"},
    }};

constexpr std::array<std::string_view, maxLevel + 1> hitLiterals{
    "0 oikein (kpl): ", "1 oikein (kpl): ", "2 oikein (kpl): ",  "3 oikein (kpl): ",
    "4 oikein (kpl): ", "5 oikein (kpl): ", "6 oikein (kpl): ",  "7 oikein (kpl): ",
    "8 oikein (kpl): ", "9 oikein (kpl): ", "10 oikein (kpl): ",
};

// value / rows x 100, in that order, both converted exactly.
double percentOf(std::int64_t value, std::int64_t rows) {
    return static_cast<double>(value) / static_cast<double>(rows) * 100.0;
}

}  // namespace

std::string_view sharePattern(int level, int hits) {
    return sharePatterns[static_cast<std::size_t>(level - minLevel)]
                        [static_cast<std::size_t>(hits)];
}

void writeWinningsCaption(std::string& out, std::int64_t winnings, std::int64_t rows,
                          char separator) {
    out.assign("Voitot (€): ");
    appendFormatted(out, winnings, rowCounterPattern, separator);
    out.append(" ( ");
    appendFormatted(out, percentOf(winnings, rows), "#.##", separator);
    out.append("% )");
}

void writeHitsCaption(std::string& out, int level, int hits, std::int64_t count, std::int64_t rows,
                      char separator) {
    out.assign(hitLiterals[static_cast<std::size_t>(hits)]);
    appendInteger(out, count);
    out.append(" (");
    appendFormatted(out, percentOf(count, rows), sharePattern(level, hits), separator);
    out.append("%)");
}

void writeRowCounter(std::string& out, std::int64_t rows, char separator) {
    out.clear();
    appendFormatted(out, rows, rowCounterPattern, separator);
}

void writeJackpotMessage(std::string& out, const SimulationState::Row& drawn) {
    out.assign("Iso potti, 10/10 oikein!\r\n\r\n");
    for (std::size_t j = 0; j < drawn.size(); ++j) {
        if (j > 0) {
            out.append("\r\n");
        }
        appendInteger(out, drawn[j]);
    }
}

}  // namespace zarno
