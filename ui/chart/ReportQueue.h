#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace zarno {

// The reports asked for while the exact figures of their pages are worked out: each is made,
// none replacing another, as soon as every figure is at hand, the window live meanwhile and its
// cursor busy.
class ReportQueue : public QObject {
    Q_OBJECT

public:
    // `settled` says whether the figures are at hand, asking for those that are not.
    ReportQueue(QWidget* window, std::function<bool()> settled);

    void add(std::function<void()> report);
    // A law's work has ended: the reports waiting are made if that was the last one.
    void lawsReady();

private:
    QWidget* window_;
    std::function<bool()> settled_;
    std::vector<std::function<void()>> waiting_;
};

}  // namespace zarno
