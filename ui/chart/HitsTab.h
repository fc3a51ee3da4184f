#pragma once

#include "ui/chart/ChartTab.h"

class QLabel;

namespace zarno {

// Each hit count's share of the rows beside its exact share, a count that strays beyond two
// standard deviations marked; at level 10, under them every jackpot's row and numbers.
class HitsTab : public ChartTab {
    Q_OBJECT

public:
    HitsTab(const Wording& wording, ChartLaws& laws, QWidget* parent = nullptr);

    QString title() const override;
    std::vector<Table> draw(const ChartView& view) override;
    std::vector<QTableWidget*> copied() const override;

    // The jackpots, newest last; shown at level 10.
    QTableWidget* jackpots() const { return jackpots_; }

private:
private:
    QLabel* jackpotsHeading_;
    QTableWidget* jackpots_;
};

}  // namespace zarno
