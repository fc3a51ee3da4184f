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

void ChartTab::fill(QTableWidget* table, const Table& content) {
    const auto columns = static_cast<int>(content.headers.size());
    if (table->columnCount() != columns) {
        table->setColumnCount(columns);
        QStringList headers;
        for (const std::string& header : content.headers) {
            headers << qtext(header);
        }
        table->setHorizontalHeaderLabels(headers);
    }
    // The columns are fitted to their texts only when a text's length changes: fitting measures
    // every cell.
    bool refit = table->rowCount() != static_cast<int>(content.rows.size());
    table->setRowCount(static_cast<int>(content.rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            const QString text =
                qtext(content.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            QTableWidgetItem* item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table->setItem(r, c, item);
            }
            if (item->text() != text) {
                refit = refit || item->text().size() != text.size();
                item->setText(text);
            }
        }
    }
    if (refit) {
        table->resizeColumnsToContents();
    }
}

}  // namespace zarno
