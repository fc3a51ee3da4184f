#pragma once

#include <QWidget>

#include <chrono>
#include <string_view>
#include <vector>

#include "core/chart/TableText.h"
#include "core/engine/Play.h"
#include "core/series/SeriesRecord.h"
#include "core/text/Wording.h"

class QCustomPlot;
class QTableWidget;
class QVBoxLayout;

namespace zarno {

class ChartLaws;

// What a tab is given each time it draws: what the series has shown, and the play, whose level
// is the one shown.
struct ChartView {
    const SeriesRecord& record;
    const Play& play;
    // Drawn for a report: exact laws that their thread cannot give are worked out here.
    bool report = false;
};

// One tab of the chart window: a question the run answers, as a chart over a table of the same
// figures.
class ChartTab : public QWidget {
    Q_OBJECT

public:
    ChartTab(const Wording& wording, ChartLaws& laws, QWidget* parent = nullptr);

    virtual QString title() const = 0;
    // Draws the view, asking for the exact laws it shows; gives the tables it filled, for the
    // report.
    virtual std::vector<Table> draw(const ChartView& view) = 0;
    // The chart that the image and the report take.
    QCustomPlot* plot() const { return plot_; }
    // Its table, under the chart.
    QTableWidget* table() const { return table_; }
    // The tables that "Kopioi" copies, one after another.
    virtual std::vector<QTableWidget*> copied() const { return {table_}; }
    // How often it is drawn, at most, while rows are drawn.
    virtual std::chrono::milliseconds interval() const { return std::chrono::milliseconds(200); }
    // Whether every exact law its drawing of the view shows is worked out, or cannot be; asking
    // starts the work on the next one.
    virtual bool lawsSettled(const ChartView& view);

protected:
    void changeEvent(QEvent* event) override;
    // Every chart of the tab, which follow the desktop's palette.
    virtual std::vector<QCustomPlot*> plots() const { return {plot()}; }

    QString text(std::string_view finnish) const;
    const Wording& wording() const { return wording_; }
    ChartLaws& laws() const { return laws_; }
    // The page: the row of controls above, if any, then the charts and the tables under them.
    QVBoxLayout* page(QWidget* above = nullptr);
    // The page with the chart over the table.
    QVBoxLayout* chartOverTable(QWidget* above = nullptr);

private:
    const Wording& wording_;
    ChartLaws& laws_;
    QCustomPlot* plot_;
    QTableWidget* table_;
};

}  // namespace zarno
