#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "core/chart/ChartTables.h"
#include "core/document/RunDocument.h"
#include "core/engine/StartThread.h"
#include "core/odds/BudgetOdds.h"
#include "core/odds/SessionLawCache.h"
#include "core/series/SeriesRecord.h"
#include "core/text/Wording.h"

class QComboBox;
class QCustomPlot;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace zarno {

// The lesson of the series drawn: the payout's funnel, the hit shares against the exact law, and
// what sessions of N rows do to a player, each a chart over a table of the same figures. It is
// given what the series has shown and the play, as values. It saves the run and opens saved
// ones, each into a window of its own, and makes a report of it, on paper or as a PDF.
class ChartWindow : public QWidget {
    Q_OBJECT

public:
    enum Tab { payoutTab, hitsTab, playersTab, budgetTab, levelsTab };

    // `lawsThread` starts the thread that works out the exact laws of sessions.
    explicit ChartWindow(const Wording& wording, StartThread lawsThread = {},
                         QWidget* parent = nullptr);

    // Draws the visible tab from the record, of the play given: its level is the series' own, or
    // the one chosen before the series has a row. While rows are drawn the window asks once a
    // frame, which the chart follows less often, since drawing it costs milliseconds; at once when
    // the run stops. `seed` repeats the run, where one can.
    enum class When { due, now };
    void present(const SeriesRecord& record, const Play& play, When when = When::now,
                 std::optional<std::uint64_t> seed = std::nullopt);

    QTabWidget* tabs() const { return tabs_; }
    QTableWidget* table(Tab tab) const { return tables_[tab]; }
    QCustomPlot* plot(Tab tab) const { return plots_[tab]; }
    // The crowd over time, beside the players' histogram.
    QCustomPlot* crowdPlot() const { return crowdPlot_; }
    QComboBox* sessionLength() const { return sessionLength_; }
    // The column of the levels' table that their chart shows.
    QComboBox* levelsColumn() const { return levelsColumn_; }
    // The budget whose players the budget's tab follows, and its line under the table.
    QSpinBox* budget() const { return budget_; }
    QTableWidget* budgetSummary() const { return budgetSummary_; }
    QLabel* budgetFrom() const { return budgetFrom_; }
    // What the game keeps, above the payout's chart and the levels' chart.
    QLabel* kept(Tab tab) const { return tab == levelsTab ? keptLevels_ : keptPayout_; }
    // Says that the exact laws of sessions are not at hand; hidden while they are.
    QLabel* lawsNotice() const { return lawsNotice_; }

    void copyTable();
    // Asks where to save the chart, in a dialog that returns to the event loop.
    void saveImage();
    // Saves the visible chart as a PNG image, ".png" added to a name without a suffix; tells why
    // when it cannot, and then leaves a file of that name as it was.
    void saveImageTo(const QString& file);
    // The run as the command line writes it, ".json" added to a name without a suffix.
    void saveRun();
    void saveRunTo(const QString& file);
    // Opens a saved run into a window of its own, titled with the file's name; a file that is not
    // such a run is refused with a message that says what is wrong.
    void openRun();
    ChartWindow* openRunFrom(const QString& file);
    // The report: the play, the rows, the date and the version, and a page a tab. It is made
    // once the exact laws of its pages are worked out on their threads, each one asked for.
    void saveReport();
    void saveReportTo(const QString& file);
    void print();
    void showAbout();

signals:
    // The player set a budget: the series' record cuts its players from the next row on.
    void budgetChanged(int budget);

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* createTab(Tab tab, QWidget* above = nullptr);
    QString text(std::string_view finnish) const;
    void draw();
    // Each draws its tab and gives the tables it filled, for the report.
    Table drawPayout();
    Table drawHits();
    Table drawPlayers(const odds::SessionLaws* laws);
    void drawCrowd(const odds::SessionLaws* laws);
    Table drawLevels();
    std::vector<Table> drawBudget();
    const odds::SessionLaws* lawsAtHand();
    odds::LawCache<odds::BudgetLaw>::Answer budgetLaw();
    bool reportLawsAtHand();
    void whenReportLawsAtHand(std::function<void()> report);
    void reportIfLawsAtHand();
    void writeReportTo(const QString& file);
    bool writeReport(QPagedPaintDevice& device);
    QString whyNotOpened(const DocumentError& error) const;
    void tell(std::string_view what, const QString& reason);
    void fill(QTableWidget* table, const Table& content);

    const Wording& wording_;
    SeriesRecord record_;  // what it draws
    Play play_;            // its level is the one shown
    std::optional<std::uint64_t> seed_;
    odds::SessionLawCache laws_;
    odds::LawCache<odds::BudgetLaw> budgetLaws_;
    odds::SessionLaws worked_;  // laws worked out on this thread for a file or a report
    QTimer lawsPending_;        // draws again once the exact laws are worked out
    QTimer reportPending_;      // asks again for the laws a waiting report needs
    std::vector<std::function<void()>> reportsWaiting_;
    QElapsedTimer drawn_;  // since the chart was last drawn
    QTabWidget* tabs_ = nullptr;
    QComboBox* sessionLength_ = nullptr;
    QLabel* lawsNotice_ = nullptr;
    QComboBox* levelsColumn_ = nullptr;
    QSpinBox* budget_ = nullptr;
    QLabel* budgetFrom_ = nullptr;
    QTableWidget* budgetSummary_ = nullptr;
    QLabel* keptPayout_ = nullptr;
    QLabel* keptLevels_ = nullptr;
    std::array<QCustomPlot*, 5> plots_{};
    QCustomPlot* crowdPlot_ = nullptr;
    std::array<QTableWidget*, 5> tables_{};
    std::vector<QPushButton*> needRows_;  // of no use before a row
};

}  // namespace zarno
