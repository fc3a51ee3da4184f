#include "ui/chart/ChartTab.h"

#include <QEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <qcustomplot.h>

#include "platform/qt/QtText.h"
#include "ui/chart/ChartStyle.h"

namespace zarno {

ChartTab::ChartTab(const Wording& wording, ChartLaws& laws, QWidget* parent)
    : QWidget(parent),
      wording_(wording),
      laws_(laws),
      plot_(style::createPlot(this)),
      table_(style::createTable(this)) {
    table_->setMinimumHeight(150);
}

bool ChartTab::lawsSettled(const ChartView&) {
    return true;
}

void ChartTab::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        for (QCustomPlot* each : plots()) {
            style::followPalette(each, palette());
        }
    }
    QWidget::changeEvent(event);
}

QString ChartTab::text(std::string_view finnish) const {
    return qtext(wording_(finnish));
}

QVBoxLayout* ChartTab::page(QWidget* above) {
    auto* layout = new QVBoxLayout(this);
    if (above) {
        layout->addWidget(above);
    }
    return layout;
}

QVBoxLayout* ChartTab::chartOverTable(QWidget* above) {
    QVBoxLayout* layout = page(above);
    layout->addWidget(plot_, 3);
    layout->addWidget(table_, 2);
    return layout;
}

}  // namespace zarno
