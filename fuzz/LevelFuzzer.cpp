// The level handling of the level box's click handler and of the start handler, driven through
// the window in memory with arbitrary level and number texts.
#include <algorithm>
#include <cmath>

#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "core/Simulator.h"
#include "core/text/Texts.h"
#include "doubles/Clocks.h"
#include "doubles/FakeServices.h"
#include "doubles/FakeWindow.h"
#include "fuzz/FuzzCheck.h"
#include "platform/Narrowing.h"
#include "platform/NumberText.h"

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
        if (*value > i && !isNumeric(window.text(numberBox(i)), '.'))
            return false;
    }
    return true;
}

// One engine for every input: starting threads for each would dwarf the work.
RowEngine& engine() {
    static test::ScriptedClock clock;
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
    test::FakeWindow window;
    test::FakeServices services;
    Simulator simulator(window, services, engine(), Wording('.'));
    simulator.Form_Load();
    window.setLevel(fields[0]);
    for (std::size_t i = 1; i < fields.size() && i <= 10; ++i) {
        window.texts[test::FakeWindow::index(numberBox(static_cast<int>(i) - 1))] = fields[i];
    }

    for (int pass = 0; pass < 2; ++pass) {
        simulator.cmbTaso_Click();
        checkBoxes(window, fields[0]);

        const bool starts = expectedToStart(window, fields[0]);
        // Only refusals count: repeated numbers can make a jackpot out of a few drawn ones.
        const auto refusals = [&] {
            return std::count(services.messages.begin(), services.messages.end(),
                              texts::numbersMissing);
        };
        const auto messages = refusals();
        simulator.cmdAloitaArvonta_Click();
        simulator.tick(Simulator::Deadline{});  // one stretch, if its rows are ready
        simulator.cmdTauko_Click();
        const SimulationState& s = simulator.state();
        if (!starts) {
            FUZZ_CHECK(refusals() == messages + 1);
            FUZZ_CHECK(s.Rows == 0);
            return 0;
        }
        FUZZ_CHECK(refusals() == messages);
        FUZZ_CHECK(s.Rows >= 0 && s.Rows <= 1000);  // no stretch when no row was ready yet
        const double levelValue = *textToNumber(fields[0], '.');
        const int level = floorToInt16(levelValue);
        const std::int64_t all =
            std::accumulate(s.hitCounts.begin(), s.hitCounts.end(), std::int64_t{0});
        if (isLevel(level)) {
            const auto counts = s.Hits(level);
            FUZZ_CHECK(std::accumulate(counts.begin(), counts.end(), std::int64_t{0}) == s.Rows);
            FUZZ_CHECK(all == s.Rows);
        } else {
            FUZZ_CHECK(all == 0 && s.Winnings == 0);
        }
        for (int l = minLevel; l <= maxLevel; ++l) {
            FUZZ_CHECK(window.isVisible(levelFrame(l)) == (levelValue == l));
        }
        simulator.cmdReset_Click();
        checkBoxes(window, fields[0]);
        for (int l = minLevel; l <= maxLevel; ++l) {
            FUZZ_CHECK(!window.isVisible(levelFrame(l)));
        }
    }
    return 0;
}
