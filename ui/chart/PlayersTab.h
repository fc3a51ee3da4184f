#pragma once

#include "ui/chart/ChartTab.h"

class QComboBox;
class QLabel;

namespace zarno {

// The series cut into sessions of N rows, each a player: how their net results fall beside the
// exact law, and beside it the crowd over time, its exact fan with the run's own players in it.
class PlayersTab : public ChartTab {
    Q_OBJECT

public:
    PlayersTab(const Wording& wording, ChartLaws& laws, QWidget* parent = nullptr);

    QString title() const override;
    std::vector<Table> draw(const ChartView& view) override;
    std::chrono::milliseconds interval() const override;
    bool lawsSettled(const ChartView& view) override;

    // The crowd over time, beside the players' histogram.
    QCustomPlot* crowdPlot() const { return crowd_; }
    // The session length the histogram shows.
    QComboBox* sessionLength() const { return sessionLength_; }
    // Says that the exact laws are not at hand; hidden while they are.
    QLabel* lawsNotice() const { return lawsNotice_; }

protected:
    std::vector<QCustomPlot*> plots() const override { return {plot(), crowd_}; }

private:
    void drawHistogram(const ChartView& view, const odds::SessionLaws* laws);
    void drawCrowd(const ChartView& view, const odds::SessionLaws* laws);

    QComboBox* sessionLength_;
    QLabel* lawsNotice_;
    QCustomPlot* crowd_;
};

}  // namespace zarno
