// The lesson: its thousand players cut from a series, its document written and read back, and a
// class's lessons summed up.
#include "core/document/LessonDocument.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>
#include <map>

#include "core/engine/PrizeTable.h"
#include "core/odds/Odds.h"
#include "doubles/SeriesRig.h"

namespace zarno {
namespace {

// A thousand players of a row a week for a year, level 7, cut from a real series.
struct Lived {
    Lived() {
        rig.series.setCommitted([this](const StretchPrizes& prizes) { players.commit(prizes); });
        rig.series.begin(test::playOfFirst(7));
        test::drawTo(rig.series, players.rows());
        rig.series.stop();
        lesson.play = test::playOfFirst(7);
        lesson.rowsPerWeek = 1;
        lesson.years = 1;
        lesson.seed = 2026;
        lesson.guesses = {300, 0.8, -10};
        lesson.net = players.finalNet();
        lesson.you = players.you();
        lesson.yourRows = players.yourRows();
        lesson.allRows = players.allRows();
    }

    test::SeriesRig rig{2, 2026};
    LessonPlayers players{lessonPlayers, 1, 1, 17};
    Lesson lesson;
};

const Lived& lived() {
    static const Lived shared;
    return shared;
}

// The players are the series' sessions of 52 rows, and their rows its rows.
TEST(Lesson, ThePlayersAreTheSessionsOfTheSeries) {
    const LessonPlayers& players = lived().players;
    ASSERT_TRUE(players.complete());
    const SessionTally& sessions = lived().rig.series.record().sessions(2);
    ASSERT_EQ(sessions.length, 52);
    ASSERT_EQ(sessions.completed, lessonPlayers);
    std::map<std::int64_t, std::int64_t> won;
    for (int p = 0; p < players.players(); ++p) {
        ++won[std::min<std::int64_t>(players.winnings(p, 1), 53)];  // all those ahead as one
    }
    EXPECT_EQ(won[53], sessions.ahead);
    for (std::int64_t w = 0; w <= 52; ++w) {
        EXPECT_EQ(won[w], sessions.byWinnings[static_cast<std::size_t>(w)]) << w;
    }
    const Tally tally = lived().rig.series.snapshot().tally;
    std::int64_t wins = 0, stakeBack = 0;
    for (int k = 0; k <= 7; ++k) {
        wins += prize(7, k) > 0 ? tally.hits[static_cast<std::size_t>(k)] : 0;
        stakeBack += prize(7, k) == 1 ? tally.hits[static_cast<std::size_t>(k)] : 0;
    }
    EXPECT_EQ(players.allRows(),
              (LessonPlayers::RowCounts{tally.rows, wins, stakeBack, wins - stakeBack}));
    EXPECT_EQ(players.yourRows().rows, 52);
}

// What is written reads back; what is no lesson, or contradicts itself, is refused, naming what is
// wrong.
TEST(Lesson, ADocumentReadsBackAndADamagedOneIsRefused) {
    using Json = nlohmann::ordered_json;
    using Kind = DocumentError::Kind;
    const Lesson& lesson = lived().lesson;
    const std::string good = lessonDocument(lesson, lessonLawOf(7, 1, 1));
    const auto read = readLessonDocument(good);
    ASSERT_TRUE(std::holds_alternative<Lesson>(read));
    EXPECT_EQ(lessonDocument(std::get<Lesson>(read), lessonLawOf(7, 1, 1)), good);
    EXPECT_EQ(std::get<Lesson>(read).guesses, lesson.guesses);
    const auto changed = [&good](const std::function<void(Json&)>& change) {
        Json doc = Json::parse(good);
        change(doc);
        return doc.dump();
    };
    const struct {
        const char* what;
        std::string text;
        DocumentError expected;
    } cases[] = {
        {"not JSON", "{", {Kind::notJson}},
        {"a run", R"({"format": "zarno-run", "version": 1})", {Kind::notARun}},
        {"a newer lesson", changed([](Json& d) { d["version"] = 2; }), {Kind::newer, {}, 2}},
        {"a player's result changed",
         changed([](Json& d) { d["net"][3] = 100; }),
         {Kind::damaged, "happened"}},
        {"exact figures of other choices",
         changed([](Json& d) { d["exact"]["ahead"] = 1.5; }),
         {Kind::damaged, "exact"}},
        {"fewer players", changed([](Json& d) { d["net"].erase(0); }), {Kind::damaged, "net"}},
        {"a guess past its range",
         changed([](Json& d) { d["guesses"]["ahead"] = 1001; }),
         {Kind::damaged, "guesses.ahead"}},
        {"more rows of yours than you played",
         changed([](Json& d) { d["rows"]["you"]["rows"] = 53; }),
         {Kind::damaged, "rows"}},
        {"wins that are not their two kinds",
         changed([](Json& d) { d["rows"]["all"]["wins"] = 0; }),
         {Kind::damaged, "rows"}},
        {"you beyond the players",
         changed([](Json& d) { d["you"] = 1000; }),
         {Kind::damaged, "you"}},
        {"a field of no lesson",
         changed([](Json& d) { d["colour"] = 1; }),
         {Kind::damaged, "colour"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto refused = readLessonDocument(c.text);
        ASSERT_TRUE(std::holds_alternative<DocumentError>(refused));
        EXPECT_EQ(std::get<DocumentError>(refused), c.expected);
    }
}

// The class: how many guessed above the truth, and the mean guesses beside the mean truth, of the
// pupils who guessed.
TEST(Lesson, AClassIsSummedUp) {
    Lesson high = lived().lesson;
    Lesson low = high;
    low.guesses = {0, 0.3, std::nullopt};
    const NamedLesson lessons[] = {{"a.json", high}, {"b.json", low}};
    const tables::DataTable summary = classSummaryData(lessons);
    const tables::Line& line = summary.rows.at(0);
    const auto cell = [&](std::string_view key) { return line[*summary.find(key)]; };
    EXPECT_EQ(cell("pupils"), tables::Cell(std::int64_t{2}));
    EXPECT_EQ(cell("ahead_overestimated"), tables::Cell(std::int64_t{1}));
    EXPECT_EQ(cell("payout_overestimated"), tables::Cell(std::int64_t{1}));
    EXPECT_EQ(cell("ahead_guess_mean"), tables::Cell(150.0));
    EXPECT_EQ(cell("payout_guess_mean"), tables::Cell(0.55));
    EXPECT_EQ(cell("median_guess_mean"), tables::Cell(-10.0));
    EXPECT_EQ(cell("payout_exact_mean"), tables::Cell(odds::expectedPrize(7)));
    EXPECT_EQ(pupilsData(lessons).rows.size(), 2u);
}

}  // namespace
}  // namespace zarno
