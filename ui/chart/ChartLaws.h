#pragma once

#include <QObject>

#include <memory>

#include "core/engine/StartThread.h"
#include "core/odds/ExactLaws.h"

namespace zarno {

// The exact laws a chart window shows, worked out on threads of their own: asking for one starts
// its work, and `ready` says, on the window's thread, when that work has ended, as the rows of
// Qt's Mandelbrot example come back from its render thread.
class ChartLaws : public QObject {
    Q_OBJECT

public:
    explicit ChartLaws(StartThread start = {}, QObject* parent = nullptr);
    ~ChartLaws() override;

    odds::ExactLaws::SessionAnswer sessions(int level) { return laws_->sessions(level); }
    odds::ExactLaws::BudgetAnswer budget(const odds::LawKey& key) { return laws_->budget(key); }
    const odds::SessionLaws* sessionsNow(int level) { return laws_->sessionsNow(level); }

signals:
    // The work on a law has ended: asking again gives the law, or says it is unavailable.
    void ready();

private:
    std::unique_ptr<odds::ExactLaws> laws_;
};

}  // namespace zarno
