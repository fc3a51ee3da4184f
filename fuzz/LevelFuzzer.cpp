// The level handling of the level box's click handler and of the start handler, driven through
// the window in memory with arbitrary level and number texts.
#include <algorithm>
#include <cmath>

#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "FakeWindow.h"
#include "FuzzCheck.h"
#include "Narrowing.h"
#include "NumberText.h"

#include "ScriptedRandom.h"
#include "Simulator.h"

using namespace zarno;

namespace {

// The boxes a level text enables: none for a text that is no number, otherwise the first
// floor(level) boxes, at most ten.
int expectedBoxes(std::string_view level) {
    const auto value = textToNumber(level, '.');
    if (!value)
        return 0;
    const double boxes = std::floor(*value);
    return boxes < 0 ? 0 : boxes > 10 ? 10 : static_cast<int>(boxes);
}

void checkBoxes(const test::FakeWindow& window, std::string_view level) {
    const int enabled = expectedBoxes(level);
    for (int i = 0; i < numberBoxes; ++i) {
        FUZZ_CHECK(window.isEnabled(numberBox(i)) == (i < enabled));
    }
}

bool expectedToStart(const test::FakeWindow& window, std::string_view level) {
    const auto value = textToNumber(level, '.');
    if (!value || std::floor(*value) > maxLevel)
        return false;
    for (int i = 0; i < numberBoxes; ++i) {
        if (*value > i && !window.numbers[static_cast<std::size_t>(i)].isNumeric())
            return false;
    }
    return true;
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
    test::ScriptedClock clock;
    RandomNumbers random(clock, 1);
    test::FakeWindow window;
    Simulator simulator(window, random, '.');
    simulator.Form_Load();
    window.setLevel(fields[0]);
    for (std::size_t i = 1; i < fields.size() && i <= 10; ++i) {
        window.numbers[i - 1].setText(fields[i]);
    }

    for (int pass = 0; pass < 2; ++pass) {
        simulator.cmbTaso_Click();
        checkBoxes(window, fields[0]);

        const bool starts = expectedToStart(window, fields[0]);
        // Only refusals count: repeated numbers can make a jackpot out of a few drawn ones.
        const auto refusals = [&] {
            return std::count(window.messages.begin(), window.messages.end(),
                              "Anna kaikki numerot.");
        };
        const auto messages = refusals();
        window.onPump = [&] {
            if (simulator.state().Rows == 3)
                simulator.cmdTauko_Click();
        };
        simulator.cmdAloitaArvonta_Click();
        const SimulationState& s = simulator.state();
        if (!starts) {
            FUZZ_CHECK(refusals() == messages + 1);
            FUZZ_CHECK(s.Rows == 0);
            return 0;
        }
        FUZZ_CHECK(refusals() == messages);
        FUZZ_CHECK(s.Rows == 3);
        const int level = floorToInt16(window.level.number());
        const std::int64_t all =
            std::accumulate(s.hitCounts.begin(), s.hitCounts.end(), std::int64_t{0});
        if (isLevel(level)) {
            const auto counts = s.Hits(level);
            FUZZ_CHECK(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}) == 3);
            FUZZ_CHECK(all == 3);
        } else {
            FUZZ_CHECK(all == 0 && s.Winnings == 0);
        }
        for (int l = minLevel; l <= maxLevel; ++l) {
            FUZZ_CHECK(window.isVisible(levelFrame(l)) == (window.level.number() == l));
        }
        simulator.cmdReset_Click();
        checkBoxes(window, fields[0]);
        for (int l = minLevel; l <= maxLevel; ++l) {
            FUZZ_CHECK(!window.isVisible(levelFrame(l)));
        }
    }
    return 0;
}
