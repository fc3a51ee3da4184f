#include "cli/Options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

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

// The options, each with what it says in the help, and whether it takes a value.
struct OptionSpec {
    const char* name;
    const char* shortName;
    std::string_view help;
    bool takesValue = true;
};
constexpr OptionSpec options[] = {
    {"--level", nullptr, texts::optLevel},
    {"--numbers", nullptr, texts::optNumbers},
    {"--rows", nullptr, texts::optRows},
    {"--seed", nullptr, texts::optSeed},
    {"--threads", nullptr, texts::optThreads},
    {"--format", nullptr, texts::optFormat},
    {"--table", nullptr, texts::optTable},
    {"--budget", nullptr, texts::optBudget},
    {"--output", "-o", texts::optOutput},
    {"--from", nullptr, texts::optFrom},
    {"--lessons", nullptr, texts::optLessons},
    {"--exact", nullptr, texts::optExact, false},
    {"--quiet", "-q", texts::optQuiet, false},
    {"--help", "-h", texts::optHelp, false},
    {"--version", nullptr, texts::optVersion, false},
};
// What the options that draw rows ask for, which a saved run already has.
constexpr const char* drawingOptions[] = {"--level",   "--numbers", "--rows", "--seed",
                                          "--threads", "--budget",  "--exact"};

const OptionSpec* optionNamed(std::string_view name) {
    for (const OptionSpec& option : options) {
        if (name == option.name || (option.shortName && name == option.shortName)) {
            return &option;
        }
    }
    return nullptr;
}

// The command line as the program reads it, before any value is looked at: every argument an
// option of its own, given once, with the value it takes; a value that is missing is empty, and
// refused as the option refuses any value it cannot take. Gives the values by the options' long
// names; a flag's value is empty.
std::map<std::string, std::string> scanned(int argc, const char* const* argv,
                                           const Wording& wording) {
    const auto isOption = [](std::string_view argument) {
        return optionNamed(argument.substr(0, argument.find('='))) != nullptr;
    };
    std::map<std::string, std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::size_t equals = argument.find('=');
        const bool joined = argument.starts_with("--") && equals != std::string_view::npos;
        const std::string_view name = joined ? argument.substr(0, equals) : argument;
        const OptionSpec* option = optionNamed(name);
        if (!option || (joined && !option->takesValue)) {
            throw Bad{
                filled(wording(argument.starts_with("-") ? texts::errUnknown : texts::errExtra),
                       {argument})};
        }
        if (given.contains(option->name)) {
            throw Bad{filled(wording(texts::errTwice), {option->name})};
        }
        std::string value;
        if (joined) {
            value = argument.substr(equals + 1);
        } else if (option->takesValue && i + 1 < argc && !isOption(argv[i + 1])) {
            value = argv[++i];
        }
        // The lessons are every file that follows, each a value of their own, apart by a NUL.
        while (std::string_view(option->name) == "--lessons" && i + 1 < argc &&
               !isOption(argv[i + 1])) {
            value.append(1, '\0').append(argv[++i]);
        }
        given.emplace(option->name, std::move(value));
    }
    return given;
}

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

Request requestOf(const std::map<std::string, std::string>& given, const Wording& wording) {
    const auto value = [&given](const char* name) {
        const auto found = given.find(name);
        return found != given.end() ? found->second : std::string();
    };
    Request request;
    request.exact = given.contains("--exact");
    request.quiet = given.contains("--quiet");
    request.output = value("--output");
    if (given.contains("--output") && request.output.empty()) {
        throw Bad{std::string(wording(texts::errOutputName))};
    }
    request.from = value("--from");
    if (given.contains("--from") && request.from.empty()) {
        throw Bad{std::string(wording(texts::errFromName))};
    }
    const std::string format = given.contains("--format") ? value("--format") : "text";
    if (format == "text" || format == "csv" || format == "json") {
        request.format = format == "text"  ? Format::text
                         : format == "csv" ? Format::csv
                                           : Format::json;
    } else {
        throw Bad{std::string(wording(texts::errFormat))};
    }
    const std::span<const tables::TableKind* const> kinds =
        given.contains("--lessons")
            ? std::span<const tables::TableKind* const>(tables::lessonsTables)
        : request.exact ? std::span<const tables::TableKind* const>(tables::exactTables)
                        : tables::runCsvTables;
    request.table = given.contains("--table") ? value("--table") : std::string(kinds.front()->name);
    if (std::none_of(kinds.begin(), kinds.end(),
                     [&](const tables::TableKind* kind) { return kind->name == request.table; })) {
        std::string names;
        for (const tables::TableKind* kind : kinds) {
            names.append(names.empty() ? "" : ", ").append(kind->name);
        }
        throw Bad{filled(wording(texts::errTable), {names})};
    }
    if (given.contains("--lessons")) {
        const std::string files = value("--lessons");
        for (std::size_t from = 0; from <= files.size();) {
            const std::size_t end = std::min(files.find('\0', from), files.size());
            request.lessons.emplace_back(files.substr(from, end - from));
            from = end + 1;
        }
        if (std::any_of(request.lessons.begin(), request.lessons.end(),
                        [](const std::string& file) { return file.empty(); }) ||
            request.lessons.empty()) {
            throw Bad{std::string(wording(texts::errLessons))};
        }
        if (request.format == Format::json) {
            throw Bad{std::string(wording(texts::errLessonsFormat))};
        }
    }
    if (!request.from.empty() || !request.lessons.empty()) {
        const char* alone = request.from.empty() ? "--lessons" : "--from";
        for (const char* drawing : drawingOptions) {
            if (given.contains(drawing)) {
                throw Bad{filled(wording(texts::errFromAlone), {alone, drawing})};
            }
        }
        if (!request.from.empty() && !request.lessons.empty()) {
            throw Bad{filled(wording(texts::errFromAlone), {"--from", "--lessons"})};
        }
        return request;
    }
    request.levels = levelsOf(value("--level"), request.exact, wording);
    if (given.contains("--budget")) {
        const auto euros = wholeNumber<int>(value("--budget"));
        if (!euros || *euros < odds::smallestBudget || *euros > odds::largestBudget) {
            throw Bad{filled(wording(texts::errBudget), {std::to_string(odds::largestBudget)})};
        }
        request.budget = *euros;
    }
    if (given.contains("--threads")) {
        const auto count = wholeNumber<unsigned>(value("--threads"));
        if (!count || *count < 1 || *count > RowEngine::maxWorkers) {
            throw Bad{filled(wording(texts::errThreads), {std::to_string(RowEngine::maxWorkers)})};
        }
        request.threads = *count;
    }
    if (given.contains("--seed")) {
        request.seed = wholeNumber<std::uint64_t>(value("--seed"));
        if (!request.seed) {
            throw Bad{std::string(wording(texts::errSeed))};
        }
    }
    if (request.exact) {
        return request;
    }
    request.play.level = request.levels.front();
    request.play.numbers = numbersOf(value("--numbers"), request.play.level, wording);
    request.rows = rowsOf(value("--rows"), wording);
    return request;
}

// The help, in the user's language, as CLI11 lays it out.
std::string help(const Wording& wording) {
    const auto text = [&wording](std::string_view finnish) {
        return std::string(wording(finnish));
    };
    CLI::App app(text(texts::cliAbout), "zarno-cli");
    app.option_defaults()->group(text(texts::helpOptions));
    app.set_help_flag();
    app.get_formatter()->label("Usage", text(texts::helpUsage));
    app.get_formatter()->label("OPTIONS", text(texts::helpOptionsShort));
    app.get_formatter()->label("TEXT", text(texts::helpValue));
    for (const OptionSpec& option : options) {
        const std::string names = std::string(option.shortName ? option.shortName : "") +
                                  (option.shortName ? "," : "") + option.name;
        if (option.takesValue) {
            app.add_option(names)->description(text(option.help))->type_name("TEXT");
        } else {
            app.add_flag(names)->description(text(option.help));
        }
    }
    return app.help();
}

}  // namespace

Parsed parseCommandLine(int argc, const char* const* argv, const Wording& wording) {
    Parsed parsed;
    try {
        const std::map<std::string, std::string> given = scanned(argc, argv, wording);
        if (given.contains("--help")) {
            parsed.out = help(wording);
        } else if (given.contains("--version")) {
            parsed.out = "zarno-cli " ZARNO_VERSION "\n";
        } else {
            parsed.request = requestOf(given, wording);
        }
    } catch (const Bad& bad) {
        parsed.status = 2;
        parsed.error = bad.line;
    }
    return parsed;
}

}  // namespace zarno::cli
