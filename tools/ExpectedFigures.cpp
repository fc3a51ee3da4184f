// Prints the README's section "What the figures should be" from the odds, so that its figures
// are computed, never typed. With --check FILE it compares the section in FILE instead, and
// fails when it differs.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/engine/Lottery.h"
#include "core/odds/Odds.h"
#include "platform/NumberFormat.h"

namespace {

using namespace zarno;

const std::string heading = "## What the figures should be\n\n";

std::string rows(int level) {
    return formatNumber(odds::rowsToSettle(level), "# ### ### ###", '.');
}

std::string trimmed(std::string text) {
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

std::string section() {
    std::string text =
        "A row costs one euro, so the payout that a level settles at over many rows is the\n"
        "expected prize of a row: the hypergeometric chance of each hit count times its prize,\n"
        "summed. The observed payout strays from it by a standard deviation that shrinks with the\n"
        "square root of the rows; the last column is the number of rows after which two standard\n"
        "deviations are half a percentage point.\n"
        "\n"
        "| level | expected payout | rows for ±0.5 points |\n"
        "|---|---|---|\n";
    for (int level = minLevel; level <= maxLevel; ++level) {
        text += "| " + std::to_string(level) + " | " +
                formatNumber(100 * odds::expectedPrize(level), "0.00", '.') + " % | " +
                rows(level) + " |\n";
    }
    text += "\nSo the payout settles within half a point after " + rows(minLevel) +
            " rows at level " + std::to_string(minLevel) + ",\nbut only after " + rows(maxLevel) +
            " rows at level " + std::to_string(maxLevel) +
            ".\n"
            "The window shows the same odds as tooltips: a hit label's gives the share of rows\n"
            "the odds expect, a winnings label's the expected payout and the standard deviation\n"
            "of the payout after the rows shown.\n";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--check") {
        std::ifstream file(argv[2]);
        std::stringstream content;
        content << file.rdbuf();
        const std::string readme = content.str();
        const std::size_t start = readme.find(heading);
        std::string found;
        if (start != std::string::npos) {
            const std::size_t body = start + heading.size();
            found = readme.substr(body, readme.find("\n## ", body) - body);
        }
        if (trimmed(found) != trimmed(section())) {
            std::fprintf(stderr, "%s: the section \"%s\" should read:\n\n%s", argv[2],
                         heading.substr(3, heading.size() - 5).c_str(), section().c_str());
            return 1;
        }
        return 0;
    }
    std::fputs((heading + section()).c_str(), stdout);
    return 0;
}
