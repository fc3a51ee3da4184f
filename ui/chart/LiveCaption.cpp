#include "ui/chart/LiveCaption.h"

#include <QLabel>
#include <QResizeEvent>

namespace zarno {

LiveCaption::LiveCaption(QLabel* label, QWidget* parent) : QWidget(parent), label_(label) {
    label_->setParent(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize LiveCaption::sizeHint() const {
    return label_->sizeHint();
}

// Any width: a text longer than the box is cut rather than widening the window as it changes.
QSize LiveCaption::minimumSizeHint() const {
    return {0, label_->minimumSizeHint().height()};
}

void LiveCaption::resizeEvent(QResizeEvent* event) {
    label_->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

}  // namespace zarno
