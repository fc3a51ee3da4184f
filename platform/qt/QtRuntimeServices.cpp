#include "QtRuntimeServices.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <unistd.h>
#include <cstdio>

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

void QtRuntimeServices::pumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtRuntimeServices::endProgram() {
    // At once: no further statement of any handler runs, and nothing needs saving.
    std::fflush(nullptr);
    ::_exit(0);
}

}  // namespace zarno
