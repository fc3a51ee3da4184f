#include "cli/Options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "core/engine/RowEngine.h"
#include "core/odds/BudgetOdds.h"
#include "core/series/Tally.h"
#include "core/text/ResultsText.h"
#include "core/text/Texts.h"

namespace zarno::cli {
namespace {

// A bad option: the line that says what it takes.
struct Bad {
    std::string line;
};

// A whole number, the whole text of it.
template <class Number>
std::optional<Number> wholeNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

std::vector<int> levelsOf(const std::string& text, bool exact, const Wording& wording) {
    if (exact && text == "all") {
        return std::vector<int>(allLevels.begin(), allLevels.end());
    }
    const auto level = wholeNumber<int>(text);
    if (!level || !isLevel(*level)) {
        throw Bad{std::string(wording(texts::errLevel))};
    }
    return {*level};
}

std::array<int, numberBoxes> numbersOf(const std::string& text, int level, const Wording& wording) {
    std::vector<std::string> fields(1);
    for (const char c : text) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    const Bad bad{filled(wording(texts::errNumbers), {std::to_string(level)})};
    if (fields.size() != static_cast<std::size_t>(level)) {
        throw bad;
    }
    std::array<int, numberBoxes> numbers{};
    std::set<int> distinct;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto number = wholeNumber<int>(trimmed(fields[i]));
        if (!number || *number < 1 || *number > highestNumber || !distinct.insert(*number).second) {
            throw bad;
        }
        numbers[i] = *number;
    }
    return numbers;
}

// A positive whole number of rows up to the row limit, also as 1e9.
std::int64_t rowsOf(const std::string& text, const Wording& wording) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= 1) ||
        value > static_cast<double>(rowLimit) || value != std::floor(value)) {
        throw Bad{filled(wording(texts::errRows), {std::to_string(rowLimit)})};
    }
    return static_cast<std::int64_t>(value);
}

Request requestOf(const std::string& level, const std::string& numbers, const std::string& rows,
                  const std::string& seed, const std::string& threads, const std::string& format,
                  const std::string& table, const std::string& budget, Request request,
                  const Wording& wording) {
    if (format == "text" || format == "csv" || format == "json") {
        request.format = format == "text"  ? Format::text
                         : format == "csv" ? Format::csv
                                           : Format::json;
    } else {
        throw Bad{std::string(wording(texts::errFormat))};
    }
    request.levels = levelsOf(level, request.exact, wording);
    const std::vector<std::string> tables =
        request.exact ? std::vector<std::string>{"levels", "hits", "players", "budget"}
                      : std::vector<std::string>{"payout", "hits", "players", "budget"};
    request.table = table.empty() ? tables.front() : table;
    if (std::find(tables.begin(), tables.end(), request.table) == tables.end()) {
        throw Bad{filled(wording(texts::errTable),
                         {tables[0] + ", " + tables[1] + ", " + tables[2] + ", " + tables[3]})};
    }
    if (!budget.empty()) {
        const auto euros = wholeNumber<int>(budget);
        if (!euros || *euros < odds::smallestBudget || *euros > odds::largestBudget) {
            throw Bad{filled(wording(texts::errBudget), {std::to_string(odds::largestBudget)})};
        }
        request.budget = *euros;
    }
    if (!threads.empty()) {
        const auto count = wholeNumber<unsigned>(threads);
        if (!count || *count < 1 || *count > RowEngine::maxWorkers) {
            throw Bad{filled(wording(texts::errThreads), {std::to_string(RowEngine::maxWorkers)})};
        }
        request.threads = *count;
    }
    if (!seed.empty()) {
        request.seed = wholeNumber<std::uint64_t>(seed);
        if (!request.seed) {
            throw Bad{std::string(wording(texts::errSeed))};
        }
    }
    if (request.exact) {
        return request;
    }
    request.play.level = request.levels.front();
    request.play.numbers = numbersOf(numbers, request.play.level, wording);
    request.rows = rowsOf(rows, wording);
    return request;
}

}  // namespace

Parsed parseCommandLine(int argc, const char* const* argv, const Wording& wording) {
    CLI::App app(std::string(wording(texts::cliAbout)), "zarno-cli");
    app.set_version_flag("--version", "zarno-cli " ZARNO_VERSION);
    std::string level, numbers, rows, seed, threads, format = "text", table, budget;
    Request request;
    const auto text = [&wording](std::string_view finnish) {
        return std::string(wording(finnish));
    };
    app.add_option("--level", level, text(texts::optLevel));
    app.add_option("--numbers", numbers, text(texts::optNumbers));
    app.add_option("--rows", rows, text(texts::optRows));
    app.add_option("--seed", seed, text(texts::optSeed));
    app.add_option("--threads", threads, text(texts::optThreads));
    app.add_option("--format", format, text(texts::optFormat));
    app.add_option("--table", table, text(texts::optTable));
    app.add_option("--budget", budget, text(texts::optBudget));
    app.add_option("--output,-o", request.output, text(texts::optOutput));
    app.add_flag("--exact", request.exact, text(texts::optExact));
    app.add_flag("--quiet,-q", request.quiet, text(texts::optQuiet));
    Parsed parsed;
    try {
        app.parse(argc, argv);
        parsed.request =
            requestOf(level, numbers, rows, seed, threads, format, table, budget, request, wording);
    } catch (const CLI::CallForHelp&) {
        parsed.out = app.help();
    } catch (const CLI::CallForVersion&) {
        parsed.out = app.version() + "\n";
    } catch (const CLI::ParseError& error) {
        parsed.status = 2;
        parsed.error = error.what();
    } catch (const Bad& bad) {
        parsed.status = 2;
        parsed.error = bad.line;
    }
    return parsed;
}

}  // namespace zarno::cli
