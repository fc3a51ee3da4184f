// A long run of the real window, offscreen: many series with pause, continue, start over, level
// and fast-mode changes in a random but seeded order, checked at every pause. The soak commits
// the stretches itself, so that it sees every one; at every pause the window's event loop runs,
// its own ticks and paints included.
// Usage: zarno-soak [--rows N] [--seconds S] [--seed X]   (defaults: 10^10 rows, 1800 s, 1)
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include "core/engine/PrizeTable.h"
#include "gui/Captions.h"
#include "gui/GuiHarness.h"

namespace zarno::test {
namespace {

int failures = 0;

#define SOAK_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "soak: check failed at line %d: %s\n", __LINE__, #condition); \
            ++failures;                                                                        \
        }                                                                                      \
    } while (false)

class Soak {
public:
    Soak(std::uint64_t seed, std::int64_t rows, double seconds)
        : h_(seed), random_(seed), rowLimit_(rows), seconds_(seconds) {}

    void run() {
        QElapsedTimer clock;
        clock.start();
        while (rowsDrawn() < rowLimit_ && static_cast<double>(clock.elapsed()) < seconds_ * 1000) {
            if (h_.window.button(Control::cmdJatka)->isVisible()) {
                if (chance(0.5)) {
                    plan();
                    QTest::mouseClick(h_.window.button(Control::cmdJatka), Qt::LeftButton);
                    seeClick();
                    drawToPause();
                    check();
                } else {
                    QTest::mouseClick(h_.window.button(Control::cmdReset), Qt::LeftButton);
                    previousRows_ = 0;
                    checkStartOver();
                }
            } else if (beginSeries()) {
                drawToPause();
                check();
            }
        }
        std::printf(
            "soak: %lld rows in %d series, %d pauses checked, %d continues with the pause, "
            "%d jackpots, %d starts refused, %d fast captions unseen, %.1f s, %d failed checks\n",
            static_cast<long long>(rowsDrawn()), starts_, pauses_, nested_, jackpots_, refused_,
            unseen_, static_cast<double>(clock.elapsed()) / 1000.0, failures);
    }

private:
    std::int64_t rowsDrawn() const { return drawn_; }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    // Chooses an entry as the box's list does once clicked. Thousands of opened lists would slow
    // the soak, and the offscreen platform now and then loses a click in one.
    static void pick(QComboBox* box, const QString& entry) {
        const int row = box->findText(entry);
        box->setCurrentIndex(row);
        emit box->activated(row);
    }

    // From Ready or Cleared: perhaps a new level, numbers and fast mode, then a start; whether it
    // started. Now and then a number is chosen twice, which the start refuses.
    bool beginSeries() {
        const bool repeat = chance(0.05);
        if (level_ == 0 || repeat || chance(0.6)) {
            level_ = between(minLevel, maxLevel);
            pick(h_.window.comboBox(Control::cmbTaso), QString::number(level_));
            std::vector<int> numbers(highestNumber);
            std::iota(numbers.begin(), numbers.end(), 1);
            std::shuffle(numbers.begin(), numbers.end(), random_);
            if (repeat) {
                numbers[static_cast<std::size_t>(level_ - 1)] = numbers[0];
            }
            for (int i = 0; i < level_; ++i) {
                pick(h_.window.numberBox(i), QString::number(numbers[static_cast<std::size_t>(i)]));
            }
        }
        if (chance(0.3)) {
            QTest::mouseClick(h_.window.checkBox(Control::chkFast), Qt::LeftButton);
        }
        fast_ = h_.window.checkBox(Control::chkFast)->isChecked();
        before_ = shownCaptions(h_.window, level_);
        lastThousandth_.reset();
        thousandthSeen_ = true;
        jackpotSince_.reset();
        plan();
        QTest::mouseClick(h_.window.button(Control::cmdAloitaArvonta), Qt::LeftButton);
        if (h_.window.message()) {
            SOAK_CHECK(repeat && h_.acknowledge().contains(QStringLiteral("kahdesti")));
            SOAK_CHECK(h_.state() != RunState::running && h_.rows() == 0);
            ++refused_;
            level_ = 0;
            return false;
        }
        SOAK_CHECK(!repeat);
        seeClick();
        ++starts_;
        return true;
    }

    // The row at which the user pauses next: short runs as often as long ones.
    void plan() {
        const int longest = fast_ ? 1'000'000 : 100'000;
        pauseAt_ = h_.rows() + (chance(0.3) ? between(1, 2500) : between(1, longest));
    }

    // Commits the run's stretches one at a time until the series reaches the planned row, and
    // pauses there; now and then a continue follows the pause at once and the run goes on. A
    // jackpot's message is acknowledged after a look at what it shows.
    void drawToPause() {
        while (h_.state() == RunState::running) {
            if (QMessageBox* box = h_.window.message()) {
                SOAK_CHECK(box->text().startsWith(QStringLiteral("Iso potti")));
                SOAK_CHECK(h_.now().jackpot && h_.now().jackpot->rows == h_.rows());
                jackpotSince_ = h_.now().tally;
                h_.acknowledge();
                ++jackpots_;
                continue;
            }
            if (h_.window.tick(Series::Deadline{}) == Tick::waiting) {
                std::this_thread::yield();
                continue;
            }
            const Tally s = see();
            if (s.rows >= pauseAt_) {
                QTest::mouseClick(h_.window.button(Control::cmdTauko), Qt::LeftButton);
                if (chance(0.05)) {
                    ++nested_;
                    plan();
                    QTest::mouseClick(h_.window.button(Control::cmdJatka), Qt::LeftButton);
                    seeClick();
                }
            }
        }
    }

    // Counts the rows committed since last seen, and notes a thousandth row, whose figures the
    // captions show in fast mode.
    Tally see() {
        const Tally s = h_.now().tally;
        drawn_ += s.rows - previousRows_;
        previousRows_ = s.rows;
        if (fast_ && s.rows % 1000 == 0 && s.rows > 0) {
            lastThousandth_ = s;
            thousandthSeen_ = true;
            jackpotSince_.reset();  // the refresh rewrites the 10-hit label
        }
        return s;
    }

    // A start or a continue commits at once what is ready, perhaps many stretches: when they end
    // off a thousandth row, the thousandth the captions show went by unseen.
    void seeClick() {
        const std::int64_t before = previousRows_;
        const Tally s = see();
        if (fast_ && s.rows != before && s.rows % 1000 != 0) {
            thousandthSeen_ = false;
        }
    }

    void check() {
        QCoreApplication::processEvents();
        ++pauses_;
        const Tally s = h_.now().tally;
        SOAK_CHECK(h_.state() == RunState::paused &&
                   h_.window.button(Control::cmdJatka)->isVisible());
        SOAK_CHECK(std::accumulate(s.hits.begin(), s.hits.end(), std::int64_t{0}) == s.rows);
        std::int64_t winnings = 0;
        for (int k = 0; k <= level_; ++k) {
            winnings += s.hits[static_cast<std::size_t>(k)] * prize(level_, k);
        }
        SOAK_CHECK(s.winnings == winnings);
        const Captions shown = shownCaptions(h_.window, level_);
        if (!fast_) {
            SOAK_CHECK(shown == expectedCaptions(s, level_));
        } else if (!thousandthSeen_) {
            ++unseen_;
        } else if (lastThousandth_) {
            Captions expected = expectedCaptions(*lastThousandth_, level_);
            if (jackpotSince_) {
                std::string text;
                writeHitsCaption(text, maxLevel, maxLevel, jackpotSince_->hits[maxLevel],
                                 jackpotSince_->rows, Wording('.'));
                expected.level[1] = QString::fromStdString(text);
            }
            SOAK_CHECK(shown == expected);
        } else {
            SOAK_CHECK(shown.level == before_.level);
            SOAK_CHECK(shown.rowCounter == QStringLiteral("0"));
        }
    }

    void checkStartOver() {
        SOAK_CHECK(h_.now().tally == Tally{});
        SOAK_CHECK(h_.window.label(LabelId::rowCounter())->text() == QStringLiteral("0"));
        SOAK_CHECK(!h_.window.frmZarno(level_)->isVisibleTo(&h_.window));
    }

    Harness h_;
    std::mt19937_64 random_;
    std::int64_t rowLimit_;
    double seconds_;
    int level_ = 0;
    bool fast_ = false;
    std::int64_t pauseAt_ = 0;
    Captions before_;
    std::optional<Tally> lastThousandth_;
    bool thousandthSeen_ = true;
    std::optional<Tally> jackpotSince_;  // the tally at the last jackpot after lastThousandth_
    std::int64_t drawn_ = 0;
    std::int64_t previousRows_ = 0;
    int starts_ = 0;
    int pauses_ = 0;
    int nested_ = 0;
    int jackpots_ = 0;
    int refused_ = 0;
    int unseen_ = 0;
};

}  // namespace
}  // namespace zarno::test

int main(int argc, char** argv) {
    std::int64_t rows = 10'000'000'000;
    double seconds = 1800;
    std::uint64_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rows") == 0) {
            rows = std::stoll(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--seconds") == 0) {
            seconds = std::stod(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--seed") == 0) {
            seed = std::stoull(argv[i + 1]);
        }
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The offscreen platform warns at every opened list that it cannot raise or grab; thousands
    // of series would bury the soak's own report.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (!text.startsWith(QStringLiteral("This plugin does not support"))) {
            std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "warning: " : "",
                         qPrintable(text));
        }
    });
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    zarno::test::Soak(seed, rows, seconds).run();
    return zarno::test::failures == 0 ? 0 : 1;
}
