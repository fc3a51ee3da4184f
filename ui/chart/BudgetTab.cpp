#include "ui/chart/BudgetTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <qcustomplot.h>

#include "core/text/Texts.h"
#include "platform/qt/QtText.h"
#include "ui/chart/ChartLaws.h"
#include "ui/chart/ChartStyle.h"

namespace zarno {

BudgetTab::BudgetTab(const Wording& wording, ChartLaws& laws, QWidget* parent)
    : ChartTab(wording, laws, parent),
      budget_(new QSpinBox),
      from_(new QLabel),
      summary_(style::createTable(this)) {
    auto* budgetRow = new QWidget;
    auto* budgetLayout = new QHBoxLayout(budgetRow);
    budgetLayout->setContentsMargins(0, 0, 0, 0);
    budget_->setObjectName("budget");
    budget_->setRange(odds::smallestBudget, odds::largestBudget);
    budget_->setValue(odds::defaultBudget);
    auto* budgetLabel = new QLabel(text(texts::budgetLabel));
    budgetLabel->setBuddy(budget_);
    from_->setObjectName("budgetFrom");
    budgetLayout->addWidget(budgetLabel);
    budgetLayout->addWidget(budget_);
    budgetLayout->addStretch();
    budgetLayout->addWidget(from_);
    QVBoxLayout* layout = chartOverTable(budgetRow);
    summary_->setObjectName("budgetSummary");
    summary_->setMaximumHeight(60);
    layout->addWidget(summary_);
    connect(budget_, &QSpinBox::valueChanged, this, &BudgetTab::budgetChanged);

    const style::ChartColours& c = style::coloursFor(palette());
    plot()->xAxis->setScaleType(QCPAxis::stLogarithmic);
    plot()->xAxis->setTicker(style::logTicker());
    plot()->xAxis->setNumberFormat("gb");
    plot()->xAxis->setLabel(text(texts::playerRowsAxis));
    plot()->yAxis->setLabel(text(texts::goneAxis));
    plot()->yAxis->setRange(0, 100);
    plot()->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignLeft);
    style::addGraph(plot(), c.expected, text(texts::expected));
    QCPGraph* seen = style::addGraph(plot(), c.observed, text(texts::observed));
    seen->setLineStyle(QCPGraph::lsNone);
    seen->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, c.observed, 7));
    style::followPalette(plot(), palette());
}

QString BudgetTab::title() const {
    return text(texts::budgetTab);
}

// Drawn as seldom as the crowd, for the same reason.
std::chrono::milliseconds BudgetTab::interval() const {
    return std::chrono::milliseconds(1000);
}

odds::LawKey BudgetTab::keyOf(const ChartView& view) const {
    return {view.play.level, budget_->value()};
}

bool BudgetTab::lawsSettled(const ChartView& view) {
    return laws().budget(keyOf(view)).settled();
}

// The exact law is worked out for the level and the budget shown, one at a time: a new budget
// gives up the work on the one before.
std::vector<Table> BudgetTab::draw(const ChartView& view) {
    const odds::BudgetLaw* law = laws().budget(keyOf(view)).laws;
    const std::vector<Table> shown = {
        textOf(tables::budgetData(view.record, law), wording()),
        textOf(tables::budgetSummaryData(view.record, law), wording())};
    style::fillTable(table(), shown[0]);
    style::fillTable(summary_, shown[1]);
    from_->setText(qtext(budgetFromText(view.record, wording())));
    const BudgetTally& players = view.record.budget();
    QVector<double> rows, exact, seenRows, seen;
    for (std::size_t i = 0; i < odds::crowdGrid.size(); ++i) {
        const int n = odds::crowdGrid[i];
        if (law && law->complete) {
            rows << n;
            exact << 100 * law->brokeWithin[i];
        }
        if (const auto share = players.goneWithin(n)) {
            seenRows << n;
            seen << 100 * *share;
        }
    }
    plot()->graph(0)->setData(rows, exact, true);
    plot()->graph(1)->setData(seenRows, seen, true);
    plot()->xAxis->setRange(1, odds::crowdGrid.back());
    plot()->replot(QCustomPlot::rpQueuedReplot);
    return shown;
}

}  // namespace zarno
