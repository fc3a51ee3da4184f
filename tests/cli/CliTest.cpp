// zarno-cli as a user runs it: the same seed gives the same bytes whatever the threads, its
// output reads back, a bad option is refused with one line and no file, and Ctrl+C still gives the
// tables of the rows drawn.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/document/LessonDocument.h"
#include "core/engine/PrizeTable.h"

namespace {

using Json = nlohmann::json;

const std::vector<std::string> level10 = {"--level", "10", "--numbers",
                                          "2,9,16,23,30,37,44,51,58,65"};

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// A file of this test process's own: CTest runs the tests side by side.
std::string scratch(const std::string& name) {
    return ::testing::TempDir() + "zarno-cli-" + std::to_string(getpid()) + "-" + name;
}

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

// Starts the program with its standard output and error into files; `whileRunning` gets its
// process before it is waited for.
Ran runCli(std::vector<std::string> args, const std::function<void(pid_t)>& whileRunning = {},
           const std::vector<std::string>& environment = {}) {
    const std::string out = scratch("stdout"), err = scratch("stderr");
    args.insert(args.begin(), ZARNO_CLI);
    const pid_t child = fork();
    if (child == 0) {
        const int outFile = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errFile = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(outFile, STDOUT_FILENO);
        dup2(errFile, STDERR_FILENO);
        for (const std::string& setting : environment) {
            putenv(const_cast<char*>(setting.c_str()));
        }
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (whileRunning) {
        whileRunning(child);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), slurp(out),
            slurp(err)};
}

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The hits add up to the rows and win what the document says.
void expectWhole(const Json& run) {
    const int level = run["level"].get<int>();
    std::int64_t rows = 0, won = 0;
    for (int k = 0; k <= level; ++k) {
        const auto count = run["hits"][static_cast<std::size_t>(k)].get<std::int64_t>();
        rows += count;
        won += count * zarno::prize(level, k);
    }
    EXPECT_EQ(rows, run["rows"].get<std::int64_t>());
    EXPECT_EQ(won, run["winnings"].get<std::int64_t>());
}

TEST(Cli, ASeedGivesTheSameBytesWhateverTheThreads) {
    std::string first;
    for (const char* threads : {"1", "2", "4"}) {
        SCOPED_TRACE(threads);
        const Ran ran = runCli(with(level10, {"--rows", "300000", "--seed", "2026", "--threads",
                                              threads, "--format", "json"}));
        ASSERT_EQ(ran.status, 0) << ran.err;
        if (first.empty()) {
            first = ran.out;
        }
        EXPECT_EQ(ran.out, first);
    }
    const Json run = Json::parse(first);
    EXPECT_EQ(run["seed"], 2026);
    EXPECT_EQ(run["repeatable"], true);
    EXPECT_EQ(run["rows"], 300'000);
    expectWhole(run);
    // Without a seed the rows mix in the clock, and the output says so.
    const Json unseeded =
        Json::parse(runCli(with(level10, {"--rows", "5000", "--format", "json"})).out);
    EXPECT_TRUE(unseeded["seed"].is_null());
    EXPECT_EQ(unseeded["repeatable"], false);
}

// Every format reads back: the run document and the exact figures as JSON, each table as CSV.
TEST(Cli, TheOutputReadsBack) {
    const auto run =
        with({"--level", "4", "--numbers", "7,13,45,60"}, {"--rows", "1e5", "--seed", "9"});
    for (const char* table : {"payout", "hits", "players", "budget"}) {
        SCOPED_TRACE(table);
        const Ran ran = runCli(with(run, {"--format", "csv", "--table", table}));
        ASSERT_EQ(ran.status, 0) << ran.err;
        std::vector<std::vector<std::string>> lines;
        std::size_t from = 0;
        for (std::size_t end; (end = ran.out.find("\r\n", from)) != std::string::npos;
             from = end + 2) {
            lines.emplace_back();
            std::stringstream line(ran.out.substr(from, end - from));
            for (std::string field; std::getline(line, field, ',');) {
                lines.back().push_back(field);
            }
        }
        EXPECT_EQ(from, ran.out.size()) << "every line ends in CR LF";
        ASSERT_GE(lines.size(), 2u);
        for (std::size_t r = 1; r < lines.size(); ++r) {
            ASSERT_LE(lines[r].size(), lines[0].size());
            for (const std::string& field : lines[r]) {
                std::size_t used = 0;
                EXPECT_TRUE(field.empty() || (std::stod(field, &used), used == field.size()))
                    << field;
            }
        }
    }
    const Json levels = Json::parse(runCli({"--exact", "--level", "all", "--format", "json"}).out);
    ASSERT_EQ(levels["levels"].size(), 9u);
    EXPECT_NEAR(levels["levels"][0]["payout"].get<double>(), 0.5507, 0.00005);
    EXPECT_EQ(levels["levels"][8]["rows_to_settle"], 3'068'091'176);
    // Level 10 side by side with the others: C(70, 10) / C(20, 10) rows a top prize, the players
    // of 52 rows as its players' table has them.
    EXPECT_NEAR(levels["levels"][8]["top_prize_one_in"].get<double>(), 396'704'524'216.0 / 184'756,
                1e-3);
    EXPECT_EQ(levels["levels"][8]["ahead_52"], levels["levels"][8]["players"][2]["ahead"]);
    EXPECT_EQ(levels["levels"][8]["median_520"], levels["levels"][8]["players"][3]["median"]);
    const Ran text = runCli(with(run, {}), {}, {"LANGUAGE=sv"});
    EXPECT_NE(text.out.find("Zarno"), std::string::npos);
    EXPECT_EQ(text.out.find("Palautus"), std::string::npos) << "Swedish, as the user's language";
}

// One line that names the option, status 2, and no file written or replaced.
TEST(Cli, ABadOptionIsRefusedWithOneLineAndNoFile) {
    const std::string output = scratch("refused.json");
    std::ofstream(output) << "an earlier file";
    const struct {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {{"--level", "11", "--numbers", "1", "--rows", "5"}, "--level"},
        {{"--numbers", "1,2", "--rows", "5"}, "--level"},
        {{"--level", "3", "--rows", "5"}, "--numbers"},
        {{"--level", "3", "--numbers", "1,2,2", "--rows", "5"}, "--numbers"},
        {{"--level", "3", "--numbers", "1,2,71", "--rows", "5"}, "--numbers"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "0"}, "--rows"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "2.5"}, "--rows"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--budget", "0"}, "--budget"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "4000000001"}, "--rows"},
        {{"--level", "3", "--numbers", "1,2,3"}, "--rows"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--format", "xml"}, "--format"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--format", "csv", "--table",
          "levels"},
         "--table"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--seed", "x"}, "--seed"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--threads", "0"}, "--threads"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--colour"}, "--colour"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--seed", ""}, "--seed"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--threads", ""}, "--threads"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--budget", ""}, "--budget"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "--output", ""}, "--output"},
        {{"--level", "3", "--level", "3", "--numbers", "1,2,3", "--rows", "5"}, "--level"},
        {{"--level=", "--numbers", "1,2", "--rows", "5"}, "--level"},
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "5", "3"}, " 3"},
        {{"--from", "ajo.json", "--rows", "5"}, "--rows"},
        {{"--from", ""}, "--from"},
        // The folder is checked before a row is drawn: four billion rows would take minutes.
        {{"--level", "3", "--numbers", "1,2,3", "--rows", "4e9", "--output", "/ei-ole/ajo.json"},
         "/ei-ole/ajo.json"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        const bool ownOutput = std::find(c.args.begin(), c.args.end(), "--output") != c.args.end();
        const Ran ran = runCli(ownOutput ? c.args : with(c.args, {"--output", output}));
        EXPECT_EQ(ran.status, 2);
        EXPECT_EQ(ran.err.rfind("zarno-cli: ", 0), 0u) << ran.err;
        EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
        EXPECT_NE(ran.err.find(c.named), std::string::npos) << ran.err;
        EXPECT_EQ(ran.err.find("required"), std::string::npos) << "the program's own words";
        EXPECT_TRUE(ran.out.empty());
        EXPECT_EQ(slurp(output), "an earlier file");
    }
    const Ran help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--numbers"), std::string::npos);
    EXPECT_NE(help.out.find("Käyttö: zarno-cli"), std::string::npos) << help.out;
    EXPECT_EQ(runCli({"--version"}).out, "zarno-cli " ZARNO_VERSION "\n");
}

// Ctrl+C stops at the next stretch, and the tables of the rows drawn are written whole.
TEST(Cli, CtrlCStillWritesTheTablesOfTheRowsDrawn) {
    const std::string output = scratch("interrupted.json");
    const Ran ran = runCli(
        with(level10, {"--rows", "4e9", "--seed", "1", "--format", "json", "--output", output}),
        [](pid_t child) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            kill(child, SIGINT);
        });
    EXPECT_EQ(ran.status, 130) << ran.err;
    const Json run = Json::parse(slurp(output));
    EXPECT_GT(run["rows"].get<std::int64_t>(), 0);
    EXPECT_LT(run["rows"].get<std::int64_t>(), 4'000'000'000);
    expectWhole(run);
    EXPECT_EQ(run["record"]["sessions"][0]["players"], run["rows"]);
    EXPECT_EQ(run["interrupted"], true);
    EXPECT_EQ(run["repeatable"], false) << "not as it stands";
    // The exact figures give way too: a budget's law of ten thousand euros takes a second.
    const Ran exact = runCli(
        {"--exact", "--level", "all", "--budget", "10000", "--format", "csv", "--table", "budget"},
        [](pid_t child) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            kill(child, SIGINT);
        });
    EXPECT_EQ(exact.status, 130) << exact.err;
    EXPECT_NE(exact.out.find("10,10000,5200,,"), std::string::npos) << "not finished, missing";
}

// Standard output and a stream that -o names are written into and never replaced; a write that
// fails says why, with status 1.
TEST(Cli, StreamsAreWrittenIntoAndAFailedWriteSaysWhy) {
    const auto run = with(level10, {"--rows", "20000", "--seed", "3", "--format", "json"});
    const std::string expected = runCli(run).out;
    const std::string fifo = scratch("fifo");
    unlink(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = slurp(fifo); });
    EXPECT_EQ(runCli(with(run, {"--output", fifo})).status, 0);
    reader.join();
    EXPECT_EQ(read, expected);
    struct stat about {};
    ASSERT_EQ(stat(fifo.c_str(), &about), 0);
    EXPECT_TRUE(S_ISFIFO(about.st_mode)) << "still the FIFO";
    unlink(fifo.c_str());
    EXPECT_EQ(runCli(with(run, {"--output", "/dev/null"})).status, 0);
    const Ran full = runCli(with(run, {"--output", "/dev/full"}));
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find(std::strerror(ENOSPC)), std::string::npos) << full.err;
}

// A saved run read back is written as from the run itself: as JSON the very bytes, in every other
// format the same; a document that contradicts itself is refused, naming the field.
TEST(Cli, ASavedRunIsWrittenAsItWasDrawn) {
    const auto run = with(level10, {"--rows", "50000", "--seed", "4"});
    const std::string saved = scratch("saved.json");
    ASSERT_EQ(runCli(with(run, {"--format", "json", "--output", saved})).status, 0);
    EXPECT_EQ(runCli({"--from", saved, "--format", "json"}).out, slurp(saved));
    EXPECT_EQ(runCli({"--from", saved}).out, runCli(run).out);
    EXPECT_EQ(runCli({"--from", saved, "--format", "csv", "--table", "players"}).out,
              runCli(with(run, {"--format", "csv", "--table", "players"})).out);
    Json changed = Json::parse(slurp(saved));
    changed["winnings"] = changed["winnings"].get<std::int64_t>() + 1;
    std::ofstream(saved) << changed.dump();
    const Ran refused = runCli({"--from", saved});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("winnings"), std::string::npos) << refused.err;
}

// A class's lessons: a line a pupil and the summary; one file that is no lesson, and nothing is
// summed up.
TEST(Cli, AClassOfLessonsIsSummedUp) {
    zarno::Lesson lesson;
    lesson.play.level = 7;
    lesson.play.numbers = {1, 2, 3, 4, 5, 6, 7};
    lesson.rowsPerWeek = 1;
    lesson.years = 1;
    lesson.net.assign(zarno::lessonPlayers, -30);
    lesson.yourRows.rows = 52;
    lesson.allRows.rows = 52 * zarno::lessonPlayers;
    std::vector<std::string> files;
    for (const std::int64_t guess : {100, 0, 900}) {
        lesson.guesses.ahead = guess;
        files.push_back(scratch("lesson" + std::to_string(guess) + ".json"));
        std::ofstream(files.back()) << zarno::lessonDocument(lesson, zarno::lessonLawOf(7, 1, 1));
    }
    const Ran text = runCli(with({"--lessons"}, files));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Yhteenveto"), std::string::npos);
    const Ran summary =
        runCli(with(with({"--lessons"}, files), {"--format", "csv", "--table", "summary"}));
    ASSERT_EQ(summary.status, 0) << summary.err;
    EXPECT_NE(summary.out.find("\r\n3,2,0,333.33"), std::string::npos) << summary.out;
    std::ofstream(files[1]) << "{}";
    const Ran refused = runCli(with({"--lessons"}, files));
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find(files[1]), std::string::npos) << refused.err;
}

}  // namespace
