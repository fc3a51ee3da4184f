// The run as a document: what is written reads back whole, and what is not such a run, or is
// damaged, is refused with what is wrong.
#include "core/document/RunDocument.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <set>

#include "core/chart/TableText.h"
#include "core/document/Csv.h"
#include "core/document/LessonDocument.h"
#include "core/text/Texts.h"
#include "doubles/SeriesRig.h"

namespace zarno {
namespace {

// A run of level 7 over 123 456 rows, its laws worked out.
struct Run {
    Run() {
        rig.series.begin(test::playOfFirst(7));
        test::drawTo(rig.series, 123'456);
        rig.series.stop();
        laws = odds::sessionLaws(7);
    }
    std::string document(std::optional<std::uint64_t> seed = 77) const {
        return runDocument(test::playOfFirst(7), rig.series.record(), {seed, false, &laws});
    }

    test::SeriesRig rig{2, 77};
    odds::SessionLaws laws;
};

const Run& run() {
    static const Run shared;
    return shared;
}

// A run of level 10 whose first jackpot falls at row 18 954.
const std::string& jackpotDocument() {
    static const std::string document = [] {
        test::SeriesRig rig(2, 58);
        rig.series.begin(test::playOfFirst(10));
        test::drawTo(rig.series, 20'000);
        rig.series.stop();
        return runDocument(test::playOfFirst(10), rig.series.record(), {});
    }();
    return document;
}

TEST(RunDocument, AWrittenRunReadsBackAsItWas) {
    for (const std::optional<std::uint64_t> seed :
         {std::optional<std::uint64_t>(77), std::optional<std::uint64_t>()}) {
        const std::string text = run().document(seed);
        const auto read = readRunDocument(text);
        ASSERT_TRUE(std::holds_alternative<SavedRun>(read));
        const SavedRun& saved = std::get<SavedRun>(read);
        EXPECT_EQ(saved.seed, seed);
        EXPECT_EQ(saved.play.level, 7);
        EXPECT_EQ(saved.play.numbers, test::playOfFirst(7).numbers);
        const SeriesRecord& before = run().rig.series.record();
        const SeriesRecord& after = saved.record;
        EXPECT_EQ(after.rows(), 123'456);
        EXPECT_EQ(after.hits(), before.hits());
        EXPECT_TRUE(std::equal(after.path().begin(), after.path().end(), before.path().begin(),
                               before.path().end()));
        for (std::size_t i = 0; i < sessionLengths.size(); ++i) {
            EXPECT_EQ(after.sessions(i), before.sessions(i));
        }
        EXPECT_EQ(after.crowd(), before.crowd());
        EXPECT_EQ(after.budget(), before.budget());
        const Wording wording(',');
        EXPECT_EQ(textOf(tables::playersData(after, 7, &run().laws), wording).rows,
                  textOf(tables::playersData(before, 7, &run().laws), wording).rows);
        EXPECT_EQ(runDocument(saved), text) << "written again, the same bytes";
    }
}

// A run saved before there were a crowd, a budget and jackpots' rows: none of them, and a budget
// set on it starts its players after the run's last row. Written again, it is as it was.
TEST(RunDocument, ARunWithoutCrowdOrBudgetReadsWithNone) {
    auto doc = nlohmann::ordered_json::parse(run().document());
    doc["record"].erase("crowd");
    doc["record"].erase("budget");
    doc["tables"].erase("budget");
    doc["tables"].erase("budget_summary");
    doc.erase("jackpots");
    const auto read = readRunDocument(doc.dump());
    ASSERT_TRUE(std::holds_alternative<SavedRun>(read));
    EXPECT_EQ(runDocument(std::get<SavedRun>(read)), doc.dump(2) + "\n") << "written as it was";
    SeriesRecord record = std::get<SavedRun>(read).record;
    EXPECT_EQ(record.crowd(), CrowdTally{});
    EXPECT_EQ(record.budget().completed, 0);
    record.setBudget(50);
    EXPECT_EQ(record.budget().fromRow, 123'456);
}

TEST(RunDocument, WhatIsNoRunOrIsDamagedIsRefused) {
    using Kind = DocumentError::Kind;
    using Json = nlohmann::ordered_json;
    const std::string good = run().document();
    // The good document, changed in one place.
    const auto changed = [&good](const std::function<void(Json&)>& change) {
        Json doc = Json::parse(good);
        change(doc);
        return doc.dump();
    };
    // The jackpot's run, changed in one place.
    const auto jackpotChanged = [](const std::function<void(Json&)>& change) {
        Json doc = Json::parse(jackpotDocument());
        change(doc);
        return doc.dump();
    };
    const struct {
        const char* what;
        std::string text;
        DocumentError expected;
    } cases[] = {
        {"empty", "", {Kind::notJson}},
        {"cut short", good.substr(0, good.size() / 2), {Kind::notJson}},
        {"a list", "[1, 2, 3]", {Kind::notARun}},
        {"another format", changed([](Json& d) { d["format"] = "other"; }), {Kind::notARun}},
        {"no version", changed([](Json& d) { d.erase("version"); }), {Kind::notARun}},
        {"a newer version", changed([](Json& d) { d["version"] = 2; }), {Kind::newer, {}, 2}},
        {"a level outside 2..10",
         changed([](Json& d) { d["level"] = 11; }),
         {Kind::damaged, "level"}},
        {"a number twice",
         changed([](Json& d) { d["numbers"][1] = d["numbers"][0]; }),
         {Kind::damaged, "numbers"}},
        {"too few numbers",
         changed([](Json& d) { d["numbers"].erase(0); }),
         {Kind::damaged, "numbers"}},
        {"a seed that is no whole number",
         changed([](Json& d) { d["seed"] = -4; }),
         {Kind::damaged, "seed"}},
        {"rows past the row limit",
         changed([](Json& d) { d["rows"] = 5'000'000'000; }),
         {Kind::damaged, "rows"}},
        {"hits that are not the rows",
         changed([](Json& d) { d["hits"][0] = 1; }),
         {Kind::damaged, "hits"}},
        {"winnings the hits did not win",
         changed([](Json& d) { d["winnings"] = 3; }),
         {Kind::damaged, "winnings"}},
        {"no record", changed([](Json& d) { d.erase("record"); }), {Kind::damaged, "record"}},
        {"a path that goes back",
         changed([](Json& d) { std::swap(d["record"]["path"][0], d["record"]["path"][1]); }),
         {Kind::damaged, "record.path"}},
        {"sessions of another length",
         changed([](Json& d) { d["record"]["sessions"][1]["session_rows"] = 11; }),
         {Kind::damaged, "record.sessions"}},
        {"players that are not their counts",
         changed([](Json& d) { d["record"]["sessions"][2]["players"] = 1; }),
         {Kind::damaged, "record.sessions"}},
        {"a crowd whose counts are not its players",
         changed([](Json& d) { d["record"]["crowd"]["by_winnings"][3][0][1] = 1000; }),
         {Kind::damaged, "record.crowd"}},
        {"a crowd's path that falls",
         changed([](Json& d) { d["record"]["crowd"]["paths"][0][24] = 0; }),
         {Kind::damaged, "record.crowd"}},
        {"a budget's players from a row past the run",
         changed([](Json& d) { d["record"]["budget"]["from_row"] = 200'000; }),
         {Kind::damaged, "record.budget"}},
        {"more budgets doubled than players",
         changed([](Json& d) { d["record"]["budget"]["doubled"] = 1'000'000; }),
         {Kind::damaged, "record.budget"}},
        {"players gone not by rising rows",
         changed([](Json& d) {
             auto& gone = d["record"]["budget"]["gone_after"];
             std::swap(gone[0], gone[1]);
         }),
         {Kind::damaged, "record.budget"}},
        {"a budget's player gone before its budget's rows",
         changed([](Json& d) { d["record"]["budget"]["gone_after"][0][0] = 99; }),
         {Kind::damaged, "record.budget"}},
        {"budget's players who played more rows than the run drew",
         changed([](Json& d) { d["record"]["budget"]["players"] = 1200; }),
         {Kind::damaged, "record.budget"}},
        {"a path whose winnings fall",
         changed([](Json& d) { d["record"]["path"][1][1] = 0; }),
         {Kind::damaged, "record.path"}},
        {"a path without its last point",
         changed([](Json& d) { d["record"]["path"].erase(d["record"]["path"].size() - 1); }),
         {Kind::damaged, "record.path"}},
        {"sessions of one row that are not the hits",
         changed([](Json& d) {
             auto& single = d["record"]["sessions"][0];
             single["ahead"] = single["ahead"].get<int>() - 1;
             single["by_winnings"][0] = single["by_winnings"][0].get<int>() + 1;
         }),
         {Kind::damaged, "record.sessions"}},
        {"fewer sessions than the rows make",
         changed([](Json& d) {
             auto& tens = d["record"]["sessions"][1];
             tens["players"] = tens["players"].get<int>() - 1;
             tens["by_winnings"][0] = tens["by_winnings"][0].get<int>() - 1;
         }),
         {Kind::damaged, "record.sessions"}},
        {"a crowd that is not the players of its sessions",
         changed([](Json& d) {
             auto& last = d["record"]["crowd"]["by_winnings"][24];
             last[0][0] = last[0][0].get<int>() + 1;  // still by rising winnings, but not theirs
         }),
         {Kind::damaged, "record.crowd"}},
        {"a payout that is not the winnings over the rows",
         changed([](Json& d) { d["payout"] = 0.6571; }),
         {Kind::damaged, "payout"}},
        {"exact figures of another level",
         changed([](Json& d) { d["exact"]["payout"] = 0.5507; }),
         {Kind::damaged, "exact"}},
        {"a table that is not the record's",
         changed([](Json& d) { d["tables"]["payout"][0]["payout"] = 0.6571; }),
         {Kind::damaged, "tables"}},
        {"repeatable without a seed",
         changed([](Json& d) { d["seed"] = nullptr; }),
         {Kind::damaged, "repeatable"}},
        {"interrupted, said to be not",
         changed([](Json& d) { d["interrupted"] = false; }),
         {Kind::damaged, "interrupted"}},
        {"a field of no run",
         changed([](Json& d) { d["colour"] = "red"; }),
         {Kind::damaged, "colour"}},
        {"a key twice",
         "{\"format\": \"zarno-run\", \"format\": \"zarno-run\"}",
         {Kind::damaged, "format"}},
        {"nested deeper than a run", std::string(7, '[') + std::string(7, ']'), {Kind::notARun}},
        {"more values than a run has",
         [] {
             std::string zeros = "[0";
             for (int i = 0; i < 4'000'000; ++i) {
                 zeros += ",0";
             }
             return zeros + "]";
         }(),
         {Kind::notARun}},
        {"larger than a run can be", std::string(largestRunDocument + 1, ' '), {Kind::notARun}},
        {"a jackpot at level 7",
         changed([](Json& d) {
             d["jackpots"].push_back({{"row", 5}, {"drawn", std::vector<int>(20, 1)}});
         }),
         {Kind::damaged, "jackpots"}},
        {"fewer jackpots than rows of ten hits",
         jackpotChanged([](Json& d) { d["jackpots"].clear(); }),
         {Kind::damaged, "jackpots"}},
        {"a jackpot past the rows drawn",
         jackpotChanged([](Json& d) { d["jackpots"][0]["row"] = 20'001; }),
         {Kind::damaged, "jackpots"}},
        {"a jackpot without a number played",
         jackpotChanged([](Json& d) {
             auto& drawn = d["jackpots"][0]["drawn"];
             for (auto& number : drawn) {
                 number = number == 1 ? 70 : number == 70 ? 1 : number.get<int>();
             }
         }),
         {Kind::damaged, "jackpots"}},
        {"a jackpot with a number twice",
         jackpotChanged(
             [](Json& d) { d["jackpots"][0]["drawn"][1] = d["jackpots"][0]["drawn"][0]; }),
         {Kind::damaged, "jackpots"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto read = readRunDocument(c.text);
        ASSERT_TRUE(std::holds_alternative<DocumentError>(read));
        EXPECT_EQ(std::get<DocumentError>(read), c.expected);
    }
}

// RFC 4180: a line of keys, a line a row, lines ended by CR LF; a missing figure an empty field,
// as is one known only to lie beyond a count.
TEST(RunDocument, ATableAsCsv) {
    static constexpr tables::Column columns[] = {{"a", "A", tables::Format::whole},
                                                 {"b", "B", tables::Format::number},
                                                 {"c", "C", tables::Format::rows}};
    tables::DataTable table({"t", columns});
    table.rows = {{std::int64_t{1}, 0.25, {}}, {std::int64_t{-7}, 1e-20, tables::Beyond{300}}};
    EXPECT_EQ(csvOf(table), "a,b,c\r\n1,0.25,\r\n-7,1e-20,\r\n");
}

// Every table as its definition has it, in every format it feeds: the CSV's and the document's
// keys are its columns' keys, once each; the text has a translated header and a cell under it
// for every column; its exact view keeps the keys' and the exact columns.
TEST(RunDocument, EveryTableIsWrittenAsItsDefinitionHasIt) {
    SeriesRecord record = run().rig.series.record();
    record.addJackpot(
        {77, Row{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}});
    record.refresh(7, {record.rows(), record.winnings(), record.hits()});
    const odds::BudgetLaw budget = odds::budgetLaw(7, 20);
    const int levels[] = {2, 7};
    const odds::SessionLaws levelTwo = odds::sessionLaws(2);
    const odds::SessionLaws* const lawsOf[] = {&levelTwo, &run().laws};
    Lesson lesson;
    lesson.play = test::playOfFirst(7);
    lesson.rowsPerWeek = 1;
    lesson.years = 1;
    lesson.net.assign(lessonPlayers, -30);
    const NamedLesson lessons[] = {{"a, \"b\".json", lesson}};
    const tables::DataTable all[] = {tables::payoutData(record, 7),
                                     tables::hitsData(record, 7),
                                     tables::playersData(record, 7, &run().laws),
                                     tables::budgetData(record, &budget),
                                     tables::budgetSummaryData(record, &budget),
                                     tables::jackpotsData(record),
                                     tables::levelsData(levels, lawsOf),
                                     tables::exactHitsData(levels),
                                     tables::exactPlayersData(levels, lawsOf),
                                     tables::exactBudgetData({&budget, 1}),
                                     pupilsData(lessons),
                                     classSummaryData(lessons)};
    ASSERT_EQ(std::size(all), tables::all.size());
    const auto doc = nlohmann::ordered_json::parse(
        runDocument(test::playOfFirst(7), record, {77, false, &run().laws, &budget}));
    const Wording translated(
        '.', [](std::string_view finnish) { return "[" + std::string(finnish) + "]"; });
    for (std::size_t t = 0; t < std::size(all); ++t) {
        const tables::DataTable& table = all[t];
        SCOPED_TRACE(table.name);
        ASSERT_EQ(table.columns.size(), tables::all[t]->columns.size());
        std::vector<std::string> keys;
        for (const tables::Column& column : table.columns) {
            keys.emplace_back(column.key);
            EXPECT_NE(std::find(texts::all.begin(), texts::all.end(), column.header),
                      texts::all.end())
                << column.header;
        }
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
        std::string line;
        for (const std::string& key : keys) {
            line.append(line.empty() ? "" : ",").append(key);
        }
        const std::string csv = csvOf(table);
        EXPECT_EQ(csv.substr(0, csv.find("\r\n")), line);
        EXPECT_FALSE(table.rows.empty());
        if (t < 6) {  // the run's own tables go into its document, the jackpots at its top
            const auto& objects =
                t < 5 ? doc["tables"][std::string(table.name)] : doc[std::string(table.name)];
            ASSERT_EQ(objects.size(), table.rows.size());
            for (const auto& object : objects) {
                std::vector<std::string> written;
                for (const auto& [key, value] : object.items()) {
                    written.push_back(key);
                }
                EXPECT_EQ(written, keys);
            }
        }
        const Table text = textOf(table, translated);
        for (std::size_t c = 0; c < keys.size(); ++c) {
            EXPECT_EQ(text.headers[c], "[" + std::string(table.columns[c].header) + "]");
        }
        for (const auto& cells : text.rows) {
            EXPECT_EQ(cells.size(), keys.size());
        }
        for (const tables::Column& column : tables::exactColumns(table).columns) {
            EXPECT_NE(column.source, tables::Source::observed) << column.key;
        }
    }
}

}  // namespace
}  // namespace zarno
