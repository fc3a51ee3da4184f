#include "core/text/ResultsText.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/engine/Lottery.h"
#include "core/odds/Odds.h"
#include "core/series/Tally.h"
#include "core/text/Texts.h"
#include "platform/NumberFormat.h"

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

}  // namespace

std::string_view sharePattern(int level, int hits) {
    return sharePatterns[static_cast<std::size_t>(level - minLevel)]
                        [static_cast<std::size_t>(hits)];
}

void writeWinningsCaption(std::string& out, std::int64_t winnings, std::int64_t rows,
                          const Wording& wording) {
    out.assign(wording(texts::winnings));
    appendFormatted(out, winnings, rowCounterPattern, wording.separator());
    out.append(" ( ");
    appendFormatted(out, percentOf(winnings, rows), "#.##", wording.separator());
    out.append("% )");
}

void writeHitsCaption(std::string& out, int level, int hits, std::int64_t count, std::int64_t rows,
                      const Wording& wording) {
    out.assign(wording(texts::hitsLabel[static_cast<std::size_t>(hits)]));
    out.push_back(' ');
    appendInteger(out, count);
    out.append(" (");
    appendFormatted(out, percentOf(count, rows), sharePattern(level, hits), wording.separator());
    out.append("%)");
}

void writeRowCounter(std::string& out, std::int64_t rows, const Wording& wording) {
    out.clear();
    appendFormatted(out, rows, rowCounterPattern, wording.separator());
}

void writeJackpotMessage(std::string& out, const Row& drawn, const Wording& wording) {
    out.assign(wording(texts::jackpot));
    out.append("\r\n\r\n");
    for (std::size_t j = 0; j < drawn.size(); ++j) {
        if (j > 0) {
            out.append("\r\n");
        }
        appendInteger(out, drawn[j]);
    }
}

std::string filled(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out(text);
    char mark[] = "%1";
    for (const std::string_view value : values) {
        const std::size_t at = out.find(mark);
        if (at == std::string::npos) {
            out.append(" ").append(value);  // a translation that lost its mark still says it
        } else {
            out.replace(at, 2, value);
        }
        ++mark[1];
    }
    return out;
}

std::string playLine(const Play& play, const Wording& wording) {
    std::string numbers;
    for (int i = 0; i < std::clamp(play.level, 0, numberBoxes); ++i) {
        numbers.append(i > 0 ? ", " : "")
            .append(std::to_string(play.numbers[static_cast<std::size_t>(i)]));
    }
    return filled(wording(texts::playLine), {std::to_string(play.level), numbers});
}

std::string rowsLine(std::int64_t rows, const Wording& wording) {
    return filled(wording(texts::rowsLine),
                  {formatNumber(rows, rowCounterPattern, wording.separator())});
}

std::string repeatabilityLine(std::optional<std::uint64_t> seed, const Wording& wording,
                              std::optional<std::int64_t> interruptedAt) {
    if (seed && interruptedAt) {
        return filled(wording(texts::interruptedRepeatable),
                      {std::to_string(*seed), std::to_string(*interruptedAt)});
    }
    return seed ? filled(wording(texts::repeatable), {std::to_string(*seed)})
                : std::string(wording(texts::notRepeatable));
}

std::string documentErrorText(const DocumentError& error, const Wording& wording) {
    switch (error.kind) {
        case DocumentError::Kind::notJson:
            return std::string(wording(texts::notJson));
        case DocumentError::Kind::notARun:
            return std::string(wording(texts::notARun));
        case DocumentError::Kind::newer:
            return filled(wording(texts::newerRun),
                          {std::to_string(error.version), std::to_string(runDocumentVersion)});
        case DocumentError::Kind::damaged:
            break;
    }
    return filled(wording(texts::damagedRun), {error.where});
}

std::string lessonErrorText(const DocumentError& error, const Wording& wording) {
    return error.kind == DocumentError::Kind::notARun ? std::string(wording(texts::notALesson))
                                                      : documentErrorText(error, wording);
}

void writeRefusal(std::string& out, const Refusal& refusal, const Wording& wording) {
    if (refusal.kind == Refusal::Kind::numbersMissing) {
        out.assign(wording(texts::numbersMissing));
        return;
    }
    std::string number;
    appendFormatted(number, refusal.number, "#.#####", wording.separator());
    out = filled(wording(texts::numberRepeated), {number});
}

void writeExpectedShare(std::string& out, int level, int hits, const Wording& wording) {
    out.assign(wording(texts::expectedShare));
    appendFormatted(out, 100 * odds::hitChance(level, hits), sharePattern(level, hits),
                    wording.separator());
    out.push_back('%');
}

void writeWinningsTip(std::string& out, int level, std::int64_t rows, const Wording& wording) {
    out.assign(wording(texts::expectedReturn));
    appendFormatted(out, 100 * odds::expectedPrize(level), "#.##", wording.separator());
    out.push_back('%');
    if (rows <= 0) {
        return;
    }
    out.push_back('\n');
    out.append(wording(texts::deviation));
    appendFormatted(out, rows, rowCounterPattern, wording.separator());
    out.append(wording(texts::deviationRows));
    appendFormatted(out, odds::payoutDeviation(level, rows), "#.##", wording.separator());
    out.append(wording(texts::deviationUnit));
}

}  // namespace zarno
