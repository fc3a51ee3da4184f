#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/engine/Play.h"
#include "core/text/Wording.h"

namespace zarno::cli {

enum class Format { text, csv, json };

// What the command line asks for.
struct Request {
    std::vector<int> levels;  // the level played; with --exact, every level asked for
    Play play;
    std::int64_t rows = 0;
    std::optional<std::uint64_t> seed;  // none: the rows mix in the clock, as in the window
    unsigned threads = 0;               // 0: one per processor the program may use
    int budget = 100;                   // the budget whose players the budget's table follows
    Format format = Format::text;
    std::string table;                 // the one table CSV holds
    std::string output;                // empty: standard output
    std::string from;                  // a saved run to write instead of drawing; empty: draw
    std::vector<std::string> lessons;  // a class's saved lessons to sum up instead of drawing
    bool exact = false;
    bool quiet = false;
};

// The command line read: a request; or what to print and the status to end with, 0 after the
// help or the version, 2 after one line that names a bad option and what it takes.
struct Parsed {
    std::optional<Request> request;
    int status = 0;
    std::string out;    // for standard output
    std::string error;  // one line for standard error
};
Parsed parseCommandLine(int argc, const char* const* argv, const Wording& wording);

}  // namespace zarno::cli
