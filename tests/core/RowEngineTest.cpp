// The row engine on its own; the series that drive it are tested in SeriesTest.
#include "core/engine/RowEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <span>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "core/engine/DrawGenerator.h"
#include "core/engine/Lanes.h"
#include "core/engine/LanesVectorOps.h"
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
    // Takes rows as they come, in stretches from the thousands and from between them; what each
    // stretch won, row by row and ten rows at a time, is what its hits win.
    const auto take = [](RowEngine& engine, std::int64_t rows, Row& last) {
        std::vector<std::uint8_t> hits;
        while (rows > 0) {
            const auto ready = engine.ready(std::min<std::int64_t>(rows, 1000));
            if (ready.empty()) {
                continue;
            }
            const StretchPrizes prizes = engine.prizes(ready.size());
            std::uint32_t won = 0;
            TensWon tens{};
            int wrong = 0;
            for (std::size_t i = 0; i < ready.size(); ++i) {
                wrong += prizes.before(i) != won ? 1 : 0;
                wrong += prizes.of(i) != static_cast<std::uint32_t>(prize(2, ready[i])) ? 1 : 0;
                won += prizes.of(i);
                if (i % 10 == 9) {
                    ++tens[std::min<std::size_t>(prizes.before(i + 1) - prizes.before(i - 9), 11)];
                }
            }
            EXPECT_EQ(wrong, 0);
            EXPECT_EQ(prizes.before(ready.size()), won);
            if (prizes.tens()) {
                EXPECT_EQ(*prizes.tens(), tens);
            }
            hits.insert(hits.end(), ready.begin(), ready.end());
            engine.commit(ready.size());
            rows -= static_cast<std::int64_t>(ready.size());
        }
        last = engine.lastRow();
        return hits;
    };
    Row switched{};
    Row straight{};
    RowEngine a(clock, 5, 2);
    a.beginSeries(first);
    take(a, 15'500, switched);
    a.resume(second);
    const auto afterSwitch = take(a, 9'700, switched);
    RowEngine b(clock, 5, 3);
    b.beginSeries(second);
    const auto all = take(b, 25'200, straight);
    EXPECT_EQ(switched, straight);
    EXPECT_TRUE(std::equal(afterSwitch.begin(), afterSwitch.end(), all.end() - 9'700));
    // The last row is the one committed last, inside its block too, whatever a new series draws
    // into that block's slot since; none before the first.
    b.beginSeries(first);
    while (b.ready(1).empty()) {
    }
    EXPECT_EQ(b.lastRow(), straight);
    EXPECT_EQ(RowEngine(clock, 5, 1).lastRow(), Row{});
}

}  // namespace
}  // namespace zarno

namespace zarno {
namespace {

// A clock that moves on at every reading.
class TickingClock final : public Clock {
public:
    static constexpr std::uint64_t tick = 0x9e3779b97f4a7c15u;
    std::uint64_t now() override { return reading_ += tick; }

private:
    std::uint64_t reading_ = 0;
};

// Every target the processor offers draws the very rows of the scalar path: each lane's hits and
// generator positions, with one block, a full group and more than a group, at every level, on a
// clock that stands still and on one that moves, whose one reading serves the row of every lane.
// What any stretch of a block won, read from what the block kept, is the sum of its rows' prizes:
// from either side of a tenth row, up to the block's last row, at level 10, where every row may
// win and one jackpot is more than the rest of the block together.
TEST(BlockPrizes, AStretchWonWhatItsRowsWon) {
    Play play;
    play.level = 10;
    const PrizeOf prizeOf = prizesOf(play);
    std::vector<std::uint8_t> hits(blockRows);
    for (std::size_t r = 0; r < hits.size(); ++r) {
        hits[r] = static_cast<std::uint8_t>((r * r + 3 * r) % 10);
    }
    hits[4321] = 10;
    BlockPrizes block;
    block.keep(hits, prizeOf);
    const std::pair<std::size_t, std::size_t> stretches[] = {
        {0, 1000}, {4000, 1000}, {4317, 9}, {9000, 1000}, {9993, 7}, {6, 1}, {2995, 1005}};
    for (const auto& [first, rows] : stretches) {
        SCOPED_TRACE(first);
        const StretchPrizes prizes(block, hits.data(), prizeOf, first, rows);
        std::uint32_t won = 0;
        int wrong = 0;
        for (std::size_t i = 0; i <= rows; ++i) {
            wrong += prizes.before(i) != won ? 1 : 0;
            if (i < rows) {
                won += prizeOf[hits[first + i]];
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(prizes.tens() != nullptr, first % 1000 == 0 && rows == 1000);
    }
}

// A way of drawing blocks' rows: a target's, or the loop NEON draws with compiled here, for this
// processor's baseline instructions, so that the steps no target's own instructions do are checked
// on every machine.
struct Drawer {
    std::string name;
    int lanes;
    bool scalar;  // reads the clock for each block's row
    std::function<void(std::span<LaneBlock>, int, int, const Play&, Clock&)> draw;
};

std::vector<Drawer> drawers() {
    std::vector<Drawer> all;
    for (const Target target : offeredTargets(processorFeatures())) {
        all.push_back(
            {std::string(nameOf(target)), lanesOf(target), target == Target::scalar,
             [target](std::span<LaneBlock> blocks, int first, int rows, const Play& play,
                      Clock& clock) { drawLanes(target, blocks, first, rows, play, clock); }});
    }
    static constexpr lanes::Kernel portable = lanes::kernel<lanes::VectorOps<2>, 2>();
    all.push_back(
        {"portable", portable.lanes, false,
         [](std::span<LaneBlock> blocks, int first, int rows, const Play& play, Clock& clock) {
             lanes::drawGroups(portable, blocks, first, rows, play, clock);
         }});
    return all;
}

TEST(Lanes, DrawTheRowsOfTheScalarPath) {
    for (const bool ticking : {false, true}) {
        for (const Drawer& drawer : drawers()) {
            if (ticking && drawer.scalar) {
                continue;
            }
            for (int level = minLevel; level <= maxLevel; ++level) {
                for (const int blocks : {1, drawer.lanes, drawer.lanes + 3}) {
                    if (ticking && blocks > drawer.lanes) {
                        continue;  // each group reads the clock for rows of its own
                    }
                    SCOPED_TRACE(testing::Message()
                                 << drawer.name << ", level " << level << ", " << blocks
                                 << " blocks" << (ticking ? ", ticking" : ""));
                    Play play;
                    play.level = level;
                    for (int i = 0; i < level; ++i) {
                        play.numbers[static_cast<std::size_t>(i)] = 3 + 7 * i;
                    }
                    constexpr int rows = 2000;
                    std::vector<std::vector<std::uint8_t>> hits(static_cast<std::size_t>(blocks),
                                                                std::vector<std::uint8_t>(rows));
                    std::vector<std::vector<std::uint64_t>> starts(
                        hits.size(), std::vector<std::uint64_t>(rows));
                    StillClock still;
                    TickingClock moving;
                    Clock& clock = ticking ? static_cast<Clock&>(moving) : still;
                    std::vector<LaneBlock> drawn;
                    for (std::size_t b = 0; b < hits.size(); ++b) {
                        const RandomNumbers random(still, 1000 + b, b);
                        drawn.push_back({random.position(), random.increment(), hits[b].data(),
                                         starts[b].data()});
                    }
                    for (int first = 0; first < rows; first += 1000) {  // as a worker does
                        drawer.draw(drawn, first, 1000, play, clock);
                    }
                    for (std::size_t b = 0; b < hits.size(); ++b) {
                        test::ScriptedClock scripted(0);
                        RandomNumbers random(scripted, 1000 + b, b);
                        for (std::size_t r = 0; r < rows; ++r) {
                            scripted.advance(ticking ? TickingClock::tick : 0);
                            random.reseed();
                            ASSERT_EQ(starts[b][r], random.position()) << b << ", row " << r;
                            const NumberSet row = drawRow(random, [](int, int) {});
                            ASSERT_EQ(hits[b][r], scoreRow(row, play)) << b << ", row " << r;
                        }
                        EXPECT_EQ(drawn[b].state, random.position());
                    }
                }
            }
        }
    }
}

// The best target is the widest the processor has; without one, the scalar path.
TEST(Lanes, TheBestTargetIsTheWidestOffered) {
    const struct {
        ProcessorFeatures features;
        Target best;
        std::size_t offered;
    } cases[] = {
        {{}, Target::scalar, 1},
        {{.x86 = true}, Target::scalar, 1},
        {{.x86 = true, .avx2 = true}, Target::avx2, 2},
        {{.x86 = true, .avx2 = true, .avx512 = true}, Target::avx512, 3},
        {{.x86 = true, .avx512 = true}, Target::avx512, 2},
        {{.arm = true}, Target::neon, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bestTarget(c.features), c.best);
        EXPECT_EQ(offeredTargets(c.features).size(), c.offered);
    }
}

// The engine on every target draws the series of the scalar path, blocks published in draw order,
// also when a series is stopped in the middle of a group and begun again.
TEST(Lanes, TheEngineDrawsTheSameSeriesOnEveryTarget) {
    StillClock clock;
    Play play;
    const auto series = [&](Target target, bool stopFirst) {
        RowEngine engine(clock, 77, 2, {}, target);
        if (stopFirst) {
            engine.beginSeries(play);
            while (engine.ready(1).empty()) {
                std::this_thread::yield();
            }
            engine.stop();
        }
        engine.beginSeries(play);
        std::vector<std::uint8_t> hits;
        std::vector<std::uint32_t> won;
        while (hits.size() < 45'000) {
            const auto ready = engine.ready(1000);
            if (ready.empty()) {
                std::this_thread::yield();
                continue;
            }
            won.push_back(engine.prizes(ready.size()).before(ready.size()));
            hits.insert(hits.end(), ready.begin(), ready.end());
            engine.commit(ready.size());
        }
        return std::tuple(hits, won, engine.lastRow());
    };
    // A play with a number twice is drawn a block at a time on every target, as before.
    const Play plays[] = {{10, {2, 9, 16, 23, 30, 37, 44, 51, 58, 65}}, {3, {70, 70, 1}}};
    for (const Play& each : plays) {
        play = each;
        for (const bool stopFirst : {false, true}) {
            const auto scalar = series(Target::scalar, stopFirst);
            for (const Target target : offeredTargets(processorFeatures())) {
                SCOPED_TRACE(testing::Message() << nameOf(target) << ", level " << play.level
                                                << (stopFirst ? ", stopped first" : ""));
                EXPECT_TRUE(series(target, stopFirst) == scalar);
            }
        }
    }
}

}  // namespace
}  // namespace zarno
