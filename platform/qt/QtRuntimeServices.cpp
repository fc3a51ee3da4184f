#include "QtRuntimeServices.h"

#include <qpa/qwindowsysteminterface.h>
#include <QCoreApplication>
#include <QMessageBox>

#include <unistd.h>

#include <cstdio>
#include "CoarseClock.h"

namespace zarno {

void showMessageBox(QWidget* parent, const QString& text) {
    // The texts break lines with CR LF; a Qt label breaks on the LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zarno"), shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtRuntimeServices::showMessage(QWidget* parent, const QString& text) {
    showMessageBox(parent, text);
}

void pumpPendingEvents(std::uint64_t& lastTick) {
    const std::uint64_t tick = coarseNanoseconds();
    if (tick != lastTick) {
        lastTick = tick;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QCoreApplication::sendPostedEvents();
    QWindowSystemInterface::sendWindowSystemEvents(QEventLoop::AllEvents);
}

void preferUnixEventDispatcher() {
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) {
        qputenv("QT_NO_GLIB", "1");
    }
}

void QtRuntimeServices::pumpEvents() {
    pumpPendingEvents(lastTick_);
}

void QtRuntimeServices::endProgram() {
    // At once: no further statement of any handler runs, and nothing needs saving.
    std::fflush(nullptr);
    ::_exit(0);
}

}  // namespace zarno
