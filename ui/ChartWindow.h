#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

#include "core/Simulator.h"
#include "core/chart/ChartTables.h"
#include "core/odds/SessionOdds.h"
#include "core/text/Wording.h"

class QComboBox;
class QCustomPlot;
class QTabWidget;
class QTableWidget;

namespace zarno {

// The lesson of the series drawn: the payout's funnel, the hit shares against the exact law, and
// what sessions of N rows do to a player, each a chart over a table of the same figures. It
// shows what the captions show, the fast-mode rule included, and is cleared by start over.
class ChartWindow : public QWidget {
    Q_OBJECT

public:
    enum Tab { payoutTab, hitsTab, playersTab };

    ChartWindow(const Simulator& simulator, const Wording& wording, QWidget* parent = nullptr);

    // Draws the visible tab from what the series has shown. The window asks when it presents the
    // captions: while rows are drawn, once a frame, which the chart follows less often, since
    // drawing it costs milliseconds; at once when the run stops.
    enum class When { due, now };
    void present(When when = When::now);

    QTabWidget* tabs() const { return tabs_; }
    QTableWidget* table(Tab tab) const { return tables_[tab]; }
    QCustomPlot* plot(Tab tab) const { return plots_[tab]; }
    QComboBox* sessionLength() const { return sessionLength_; }

    // Where "Tallenna kuva…" saves the chart; empty when the user cancels. A file dialog, which a
    // test may replace.
    std::function<QString()> chooseImageFile;

    void copyTable();
    void saveImage();
    void showAbout();

private:
    QWidget* createTab(Tab tab, QWidget* above = nullptr);
    QString text(std::string_view finnish) const;
    int level() const;
    void presentPayout(int level);
    void presentHits(int level);
    void presentPlayers(int level, const odds::SessionLaws* laws);
    void fill(QTableWidget* table, const Table& content);

    const Simulator& simulator_;
    const Wording& wording_;
    odds::SessionLawCache laws_;
    QTimer lawsPending_;   // presents again once the exact laws are worked out
    QElapsedTimer drawn_;  // since the chart was last drawn
    QTabWidget* tabs_ = nullptr;
    QComboBox* sessionLength_ = nullptr;
    std::array<QCustomPlot*, 3> plots_{};
    std::array<QTableWidget*, 3> tables_{};
};

}  // namespace zarno
