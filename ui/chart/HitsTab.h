#pragma once

#include "ui/chart/ChartTab.h"

namespace zarno {

// Each hit count's share of the rows beside its exact share, a count that strays beyond two
// standard deviations marked.
class HitsTab : public ChartTab {
    Q_OBJECT

public:
    HitsTab(const Wording& wording, ChartLaws& laws, QWidget* parent = nullptr);

    QString title() const override;
    std::vector<Table> draw(const ChartView& view) override;

private:
};

}  // namespace zarno
