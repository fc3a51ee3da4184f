#include "cli/Options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/engine/RowEngine.h"
#include "core/odds/BudgetOdds.h"
#include "core/series/Tally.h"
#include "core/tables/Tables.h"
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
    std::vector<int> numbers;
    std::string field;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != ',') {
            field.push_back(text[at]);
            continue;
        }
        numbers.push_back(wholeNumber<int>(trimmed(field)).value_or(0));
        field.clear();
    }
    if (!isTicket(std::span<const int>(numbers), level)) {
        throw Bad{filled(wording(texts::errNumbers), {std::to_string(level)})};
    }
    std::array<int, numberBoxes> ticket{};
    std::copy(numbers.begin(), numbers.end(), ticket.begin());
    return ticket;
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
    const auto& kinds = request.exact ? tables::exactTables : tables::runCsvTables;
    request.table = table.empty() ? std::string(kinds.front()->name) : table;
    if (std::none_of(kinds.begin(), kinds.end(),
                     [&](const tables::TableKind* kind) { return kind->name == request.table; })) {
        std::string names;
        for (const tables::TableKind* kind : kinds) {
            names.append(names.empty() ? "" : ", ").append(kind->name);
        }
        throw Bad{filled(wording(texts::errTable), {names})};
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
