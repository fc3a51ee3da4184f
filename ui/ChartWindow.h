#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "core/document/RunReading.h"
#include "core/engine/Play.h"
#include "core/engine/StartThread.h"
#include "core/series/SeriesRecord.h"
#include "core/text/Wording.h"
#include "ui/chart/ChartTab.h"

class QCustomPlot;
class QPagedPaintDevice;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace zarno {

class BudgetTab;
class ChartLaws;
class HitsTab;
class LevelsTab;
class PayoutTab;
class PlayersTab;
class ReportQueue;

// What the series drawn has shown, tab by tab, each a question it answers as a chart over a table
// of the same figures. It is given what the series has shown and the play, as values. It saves
// the run and opens saved ones, each into a window of its own, and makes a report of it, on paper
// or as a PDF, a page a tab.
class ChartWindow : public QWidget {
    Q_OBJECT

public:
    enum Tab { payoutTab, hitsTab, playersTab, budgetTab, levelsTab };

    // `lawsThread` starts the threads that work out the exact laws.
    explicit ChartWindow(const Wording& wording, StartThread lawsThread = {},
                         QWidget* parent = nullptr);
    ~ChartWindow() override;

    // Draws the visible tab from the record, of the play given: its level is the series' own, or
    // the one chosen before the series has a row. While rows are drawn the window asks once a
    // frame, which a tab follows as often as it is drawn; at once when the run stops. `seed`
    // repeats the run, where one can.
    enum class When { due, now };
    void present(const SeriesRecord& record, const Play& play, When when = When::now,
                 std::optional<std::uint64_t> seed = std::nullopt);

    QTabWidget* tabs() const { return tabs_; }
    ChartTab* tab(Tab tab) const { return views_[tab]; }
    QTableWidget* table(Tab tab) const { return views_[tab]->table(); }
    QCustomPlot* plot(Tab tab) const { return views_[tab]->plot(); }
    PayoutTab* payout() const { return payout_; }
    PlayersTab* players() const { return players_; }
    BudgetTab* budget() const { return budget_; }
    LevelsTab* levels() const { return levels_; }

    // The visible tab's tables, a line a row with the columns apart by tabs, as a spreadsheet
    // takes them.
    void copyTable();
    // Asks where to save the chart, in a dialog that returns to the event loop.
    void saveImage();
    // Saves the visible chart as a PNG image, ".png" added to a name without a suffix; tells why
    // when it cannot, and then leaves a file of that name as it was.
    void saveImageTo(const QString& file);
    // The run as the command line writes it, ".json" added to a name without a suffix.
    void saveRun();
    void saveRunTo(const QString& file);
    // Opens a saved run into a window of its own, titled with the file's name, once it is read and
    // checked on a thread of its own; a file that is not such a run is refused with a message that
    // says what is wrong.
    void openRun();
    void openRunFrom(const QString& file);
    // The report: the play, the rows, the date and the version, and a page a tab. It is made
    // once the exact laws of its pages are worked out on their threads, each one asked for.
    void saveReport();
    void saveReportTo(const QString& file);
    void print();

signals:
    // The player set a budget: the owner of the record cuts its players from the next row on.
    void budgetChanged(int budget);
    // From a reading thread: a saved run is read.
    void runRead();

private:
    void draw();
    void showRead();
    void showOpened(const QString& file, RunReading::Read read);
    ChartView view(bool report = false) const;
    bool lawsSettled();
    bool writeReport(QPagedPaintDevice& device);
    void tell(std::string_view what, const QString& reason);
    QString text(std::string_view finnish) const;

    const Wording& wording_;
    SeriesRecord record_;  // what it draws
    Play play_;            // its level is the one shown
    std::optional<std::uint64_t> seed_;
    ChartLaws* laws_;
    ReportQueue* reports_;
    QElapsedTimer drawn_;  // since the chart was last drawn
    QTabWidget* tabs_;
    PayoutTab* payout_;
    PlayersTab* players_;
    BudgetTab* budget_;
    LevelsTab* levels_;
    std::vector<ChartTab*> views_;        // in the order of the tabs
    std::vector<QPushButton*> needRows_;  // of no use before a row
    std::map<int, QString> opening_;      // the files being read, by their readings' numbers
    RunReading reading_;                  // last, so that its threads end first
};

}  // namespace zarno
