#include "ui/chart/ReportQueue.h"

#include <QWidget>

#include <utility>

namespace zarno {

ReportQueue::ReportQueue(QWidget* window, std::function<bool()> settled)
    : QObject(window), window_(window), settled_(std::move(settled)) {}

void ReportQueue::add(std::function<void()> report) {
    waiting_.push_back(std::move(report));
    window_->setCursor(Qt::BusyCursor);
    lawsReady();
}

void ReportQueue::lawsReady() {
    if (waiting_.empty() || !settled_()) {
        return;
    }
    window_->unsetCursor();
    for (const auto& report : std::exchange(waiting_, {})) {
        report();
    }
}

}  // namespace zarno
