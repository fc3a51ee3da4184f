#pragma once

#include "core/odds/ExactLaws.h"
#include "ui/chart/ChartTab.h"

class QLabel;
class QSpinBox;

namespace zarno {

// A budget played a row at a time until it is gone: the chance that it is gone within so many
// rows, exact beside the run's players of that budget, its median rows and its chance to double.
class BudgetTab : public ChartTab {
    Q_OBJECT

public:
    BudgetTab(const Wording& wording, ChartLaws& laws, QWidget* parent = nullptr);

    QString title() const override;
    std::vector<Table> draw(const ChartView& view) override;
    std::chrono::milliseconds interval() const override;
    bool lawsSettled(const ChartView& view) override;

    // The budget whose law the tab shows, as the player sets it.
    QSpinBox* budget() const { return budget_; }
    // The line under the table, and where the run's players of the budget start.
    QTableWidget* summary() const { return summary_; }
    QLabel* from() const { return from_; }

signals:
    // The player set a budget: whoever owns the record is to cut its players from the next row.
    void budgetChanged(int budget);

private:
    odds::LawKey keyOf(const ChartView& view) const;

    QSpinBox* budget_;
    QLabel* from_;
    QTableWidget* summary_;
};

}  // namespace zarno
