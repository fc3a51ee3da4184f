#include "platform/qt/QtRuntimeServices.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

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

// The event loop returns from QApplication::exec() at its next turn, and main() destroys the
// window and the engine, whose destructor joins the workers.
void QtRuntimeServices::endProgram() {
    QCoreApplication::exit(0);
}

}  // namespace zarno
