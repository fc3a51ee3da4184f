#include "core/chart/TableText.h"

#include <charconv>
#include <cmath>

#include "core/odds/Odds.h"
#include "core/series/Tally.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"
#include "platform/NumberFormat.h"

namespace zarno {
namespace {

using tables::Cell;
using tables::Format;

// A table's figures as the window writes them, each column its way.
class Writer {
public:
    Writer(const tables::DataTable& table, const Wording& wording)
        : table_(table),
          wording_(wording),
          hits_(table.find("hits")),
          level_(table.find("level")) {}

    std::string operator()(const tables::Line& line, std::size_t column) const {
        const Cell& cell = line[column];
        const Format format = table_.columns[column].format;
        if (const auto* whole = std::get_if<std::int64_t>(&cell)) {
            return format == Format::whole ? std::to_string(*whole) : rows(*whole);
        }
        if (const auto* beyond = std::get_if<tables::Beyond>(&cell)) {
            return filled(wording_(texts::beyondRows), {rows(beyond->rows)});
        }
        if (const auto* numbers = std::get_if<tables::Numbers>(&cell)) {
            return spaced(*numbers);
        }
        if (const auto* text = std::get_if<tables::Text>(&cell)) {
            return text->text;
        }
        const auto* real = std::get_if<double>(&cell);
        if (!real || !std::isfinite(*real)) {
            return {};
        }
        std::string text;
        switch (format) {
            case Format::percent:
                return formatNumber(*real * 100, "0.00", separator());
            case Format::number:
                return formatNumber(*real, "0.00", separator());
            case Format::hitShare:
                return formatNumber(*real * 100, sharePattern(levelOf(line), hitsOf(line)),
                                    separator());
            case Format::significantPercent:
                appendSignificant(text, *real * 100, separator());
                return text;
            case Format::roundRows:
                return rows(std::llround(*real));
            case Format::significant:
            case Format::whole:
            case Format::rows:
            case Format::numbers:
            case Format::text:
                break;
        }
        appendSignificant(text, *real, separator());
        return text;
    }

private:
    char separator() const { return wording_.separator(); }
    std::string rows(std::int64_t value) const {
        return formatNumber(value, rowCounterPattern, separator());
    }
    int whole(const tables::Line& line, std::optional<std::size_t> column, int otherwise) const {
        const auto* value = column ? std::get_if<std::int64_t>(&line[*column]) : nullptr;
        return value ? static_cast<int>(*value) : otherwise;
    }
    int levelOf(const tables::Line& line) const { return whole(line, level_, table_.level); }
    int hitsOf(const tables::Line& line) const { return whole(line, hits_, 0); }

    const tables::DataTable& table_;
    const Wording& wording_;
    std::optional<std::size_t> hits_;
    std::optional<std::size_t> level_;
};

}  // namespace

std::string spaced(const tables::Numbers& numbers) {
    std::string text;
    for (const std::int16_t number : numbers.drawn) {
        text.append(text.empty() ? "" : " ").append(std::to_string(number));
    }
    return text;
}

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

Table textOf(const tables::DataTable& table, const Wording& wording) {
    Table text;
    for (const tables::Column& column : table.columns) {
        text.headers.emplace_back(wording(column.header));
    }
    const Writer write(table, wording);
    for (const tables::Line& line : table.rows) {
        std::vector<std::string>& cells = text.rows.emplace_back();
        for (std::size_t c = 0; c < line.size(); ++c) {
            cells.push_back(write(line, c));
        }
    }
    return text;
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
