#include "platform/qt/QtRuntimeServices.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace zarno {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void showMessageBox(QWidget* parent, std::string_view text) {
    // The texts break lines with CR LF; a Qt label breaks on the LF alone.
    QString shown = fromUtf8(text);
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
