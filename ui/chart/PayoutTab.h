#pragma once

#include "ui/chart/ChartTab.h"

class QLabel;

namespace zarno {

// The payout's path inside the funnel around the expected payout, and the payout at each power of
// ten of rows; above them what the game keeps.
class PayoutTab : public ChartTab {
    Q_OBJECT

public:
    PayoutTab(const Wording& wording, ChartLaws& laws, QWidget* parent = nullptr);

    QString title() const override;
    std::vector<Table> draw(const ChartView& view) override;
    QLabel* kept() const { return kept_; }

private:
    QLabel* kept_;
};

}  // namespace zarno
