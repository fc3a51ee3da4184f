#include "core/chart/LessonText.h"

#include "core/series/Tally.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/NumberFormat.h"

namespace zarno {
namespace {

template <class Value, class Write>
std::string orBlank(const std::optional<Value>& value, Write write) {
    return value ? write(*value) : std::string();
}

// The header of a column of the levels' table, where the same three shares stand.
std::string_view header(std::string_view key) {
    for (const tables::Column& column : tables::levelsTable.columns) {
        if (column.key == key) {
            return column.header;
        }
    }
    return key;
}

}  // namespace

Table truthTable(const Lesson& lesson, const odds::LessonLaw& law, const Wording& wording) {
    const char separator = wording.separator();
    const auto whole = [separator](std::int64_t value) {
        return formatNumber(value, rowCounterPattern, separator);
    };
    const auto percent = [separator](double fraction) {
        return formatNumber(100 * fraction, "0.00", separator);
    };
    const LessonFigures seen = happened(lesson);
    const LessonFigures exact = exactly(law);
    Table table{
        {"", std::string(wording(texts::yourGuess)), std::string(wording(texts::happenedColumn)),
         std::string(wording(texts::exactColumn))},
        {}};
    table.rows.push_back({std::string(wording(texts::truthAhead)),
                          orBlank(lesson.guesses.ahead, whole),
                          whole(static_cast<std::int64_t>(seen.ahead)),
                          formatNumber(exact.ahead, "0.0", separator)});
    table.rows.push_back({std::string(wording(texts::guessPayout)),
                          orBlank(lesson.guesses.payout, percent), percent(seen.payout),
                          percent(exact.payout)});
    table.rows.push_back({std::string(wording(texts::guessMedian)),
                          orBlank(lesson.guesses.median, whole), orBlank(seen.median, whole),
                          orBlank(exact.median, whole)});
    return table;
}

Table rowSharesTable(const Lesson& lesson, const Wording& wording) {
    const char separator = wording.separator();
    const auto percent = [separator](std::int64_t count, std::int64_t rows) {
        return rows > 0 ? formatNumber(percentOf(count, rows), "0.00", separator) : std::string();
    };
    const odds::RowShares exact = odds::rowShares(lesson.play.level);
    const LessonPlayers::RowCounts& yours = lesson.yourRows;
    const LessonPlayers::RowCounts& all = lesson.allRows;
    Table table{{std::string(wording(texts::rowsTable)), std::string(wording(texts::you)),
                 std::string(wording(texts::allPlayers)), std::string(wording(texts::exactColumn))},
                {}};
    const struct {
        std::string_view line;
        std::int64_t LessonPlayers::RowCounts::*count;
        double exact;
    } lines[] = {{header("wins_something"), &LessonPlayers::RowCounts::wins, exact.wins},
                 {header("stake_back"), &LessonPlayers::RowCounts::stakeBack, exact.stakeBack},
                 {header("more_than_stake"), &LessonPlayers::RowCounts::more, exact.more}};
    for (const auto& line : lines) {
        table.rows.push_back({std::string(wording(line.line)),
                              percent(yours.*line.count, yours.rows),
                              percent(all.*line.count, all.rows),
                              formatNumber(100 * line.exact, "0.00", separator)});
    }
    return table;
}

std::string stakeText(int rowsPerWeek, int years, const Wording& wording) {
    const std::string rows =
        formatNumber(odds::lessonRows(rowsPerWeek, years), rowCounterPattern, wording.separator());
    return filled(wording(texts::lessonStake), {rows, rows});
}

}  // namespace zarno
