// The main window's rules with arbitrary level and number texts, read as the window reads them:
// the boxes a level opens, which starts are refused, and what a started series tallies and shows.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/rules/RunControl.h"
#include "fuzz/FuzzCheck.h"
#include "platform/Narrowing.h"
#include "platform/NumberText.h"

using namespace zarno;

namespace {

// The boxes a level text opens: none for a text that is no number, otherwise the first
// floor(level) boxes, at most ten.
int expectedBoxes(std::optional<double> level) {
    if (!level) {
        return 0;
    }
    const double boxes = std::floor(*level);
    return boxes < 0 ? 0 : boxes > 10 ? 10 : static_cast<int>(boxes);
}

// A start is refused when the level is no number or above ten, when a box the level asks for
// holds no number, or when the boxes played repeat a number.
bool expectedToStart(const Entries& entries) {
    if (!entries.level || std::floor(*entries.level) > maxLevel) {
        return false;
    }
    for (int i = 0; i < numberBoxes; ++i) {
        if (*entries.level > i && !entries.numbers[static_cast<std::size_t>(i)]) {
            return false;
        }
    }
    std::set<double> played;
    for (int i = 0; i < expectedBoxes(entries.level); ++i) {
        if (!played.insert(*entries.numbers[static_cast<std::size_t>(i)]).second) {
            return false;
        }
    }
    return true;
}

// One engine for every input: starting threads for each would dwarf the work.
RowEngine& engine() {
    static StillClock clock;
    static RowEngine shared(clock, 1, 1);
    return shared;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Fields separated by newlines: the level text, then up to ten number texts.
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size && fields.size() <= 11; ++i) {
        if (data[i] == '\n') {
            fields.emplace_back();
        } else {
            fields.back() += static_cast<char>(data[i]);
        }
    }
    Entries entries{textToNumber(fields[0], '.')};
    for (std::size_t i = 1; i < fields.size() && i <= 10; ++i) {
        entries.numbers[i - 1] = textToNumber(fields[i], '.');
    }
    Series series(engine());
    RunControl run(series);

    for (int pass = 0; pass < 2; ++pass) {
        run.apply(RunEvent::chooseLevel, entries);
        FUZZ_CHECK(run.boxes() == expectedBoxes(entries.level));
        const bool starts = !run.apply(RunEvent::start, entries);
        FUZZ_CHECK(starts == expectedToStart(entries));
        if (!starts) {
            FUZZ_CHECK(run.state() != RunState::running && series.snapshot().tally.rows == 0);
            return 0;
        }
        run.tick(Series::Deadline{});  // one stretch, if its rows are ready
        run.apply(RunEvent::pause);
        const Tally tally = series.snapshot().tally;
        FUZZ_CHECK(tally.rows >= 0 && tally.rows <= 1000);  // none when no row was ready yet
        const int level = floorToInt16(*entries.level);
        const std::int64_t hits =
            std::accumulate(tally.hits.begin(), tally.hits.end(), std::int64_t{0});
        FUZZ_CHECK(hits == (isLevel(level) ? tally.rows : 0));
        FUZZ_CHECK(isLevel(level) || tally.winnings == 0);
        FUZZ_CHECK(run.frame() == (isLevel(level) && *entries.level == level ? level : 0));
        run.apply(RunEvent::startOver, entries);
        FUZZ_CHECK(run.frame() == 0 && run.boxes() == expectedBoxes(entries.level));
    }
    return 0;
}
