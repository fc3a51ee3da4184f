#include "platform/qt/QtRuntimeServices.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include "platform/qt/QtText.h"

namespace zarno {
void showMessageBox(QWidget* parent, std::string_view text) {
    // The texts break lines with CR LF; a Qt label breaks on the LF alone.
    QString shown = qtext(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString title = parent ? parent->window()->windowTitle() : QString();
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtRuntimeServices::showMessage(std::string_view text) {
    showMessageBox(window_, text);
}

void QtRuntimeServices::pumpEvents() {
    QCoreApplication::processEvents();
}

void QtRuntimeServices::endProgram() {
    // At once: no further statement of any handler runs, worker threads or not, and nothing
    // needs saving.
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace zarno
