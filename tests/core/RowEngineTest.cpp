// The row engine on its own; the series that drive it are tested in SeriesTest.
#include "core/engine/RowEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/engine/PrizeTable.h"
#include "doubles/Clocks.h"

namespace zarno {
namespace {

// Rows drawn ahead for another play are drawn again from the start of their block: the rows
// stay the same, only their hits change.
TEST(RowEngine, ResumingWithAnotherPlayKeepsTheRows) {
    test::ScriptedClock clock;
    Play first;
    first.level = 2;
    first.numbers = {1, 2};
    Play second = first;
    second.numbers = {3, 4};
    // Takes rows as they come; the prizes of each stretch are the difference of its sums.
    const auto take = [](RowEngine& engine, std::int64_t rows, Row& last) {
        std::vector<std::uint8_t> hits;
        while (rows > 0) {
            const auto ready = engine.ready(std::min<std::int64_t>(rows, 1000));
            if (ready.empty()) {
                continue;
            }
            const auto sums = engine.prizeSums(ready.size());
            std::uint32_t won = 0;
            for (const std::uint8_t h : ready) {
                won += static_cast<std::uint32_t>(prize(2, h));
            }
            EXPECT_EQ(sums.back() - sums.front(), won);
            hits.insert(hits.end(), ready.begin(), ready.end());
            engine.commit(ready.size(), last);
            rows -= static_cast<std::int64_t>(ready.size());
        }
        return hits;
    };
    Row switched{};
    Row straight{};
    RowEngine a(clock, 5, 2);
    a.beginSeries(first);
    take(a, 15'500, switched);
    a.resume(second);
    const auto afterSwitch = take(a, 9'500, switched);
    RowEngine b(clock, 5, 3);
    b.beginSeries(second);
    const auto all = take(b, 25'000, straight);
    EXPECT_EQ(switched, straight);
    EXPECT_TRUE(std::equal(afterSwitch.begin(), afterSwitch.end(), all.end() - 9'500));
}

}  // namespace
}  // namespace zarno
