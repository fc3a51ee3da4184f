#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include "core/text/Texts.h"
#include "platform/qt/QtText.h"

namespace zarno {

QMessageBox* openMessage(QWidget* window, const QString& text, const QString& choice) {
    // The texts break lines with CR LF; a Qt label breaks on the LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* box = new QMessageBox(QMessageBox::NoIcon, window->window()->windowTitle(), shown,
                                QMessageBox::Ok, window);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (!choice.isEmpty()) {
        box->setCheckBox(new QCheckBox(choice, box));
    }
    box->open();
    return box;
}

QMessageBox* openAboutQt(QWidget* window) {
    // Qt's texts word for word, so that its translations find them.
    const auto qtText = [](const char* source) {
        return QCoreApplication::translate("QMessageBox", source);
    };
    auto* box = new QMessageBox(window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(qtText("About Qt"));
    box->setText(qtText("<h3>About Qt</h3>"
                        "<p>This program uses Qt version %1.</p>")
                     .arg(QStringLiteral(QT_VERSION_STR)));
    box->setInformativeText(
        qtText("<p>Qt is a C++ toolkit for cross-platform application "
               "development.</p>"
               "<p>Qt provides single-source portability across all major desktop "
               "operating systems. It is also available for embedded Linux and other "
               "embedded and mobile operating systems.</p>"
               "<p>Qt is available under multiple licensing options designed "
               "to accommodate the needs of our various users.</p>"
               "<p>Qt licensed under our commercial license agreement is appropriate "
               "for development of proprietary/commercial software where you do not "
               "want to share any source code with third parties or otherwise cannot "
               "comply with the terms of GNU (L)GPL.</p>"
               "<p>Qt licensed under GNU (L)GPL is appropriate for the "
               "development of Qt&nbsp;applications provided you can comply with the terms "
               "and conditions of the respective licenses.</p>"
               "<p>Please see <a href=\"http://%2/\">%2</a> "
               "for an overview of Qt licensing.</p>"
               "<p>Copyright (C) %1 The Qt Company Ltd and other "
               "contributors.</p>"
               "<p>Qt and the Qt logo are trademarks of The Qt Company Ltd.</p>"
               "<p>Qt is The Qt Company Ltd product developed as an open source "
               "project. See <a href=\"http://%3/\">%3</a> for more information.</p>")
            .arg(QStringLiteral("2022"), QStringLiteral("qt.io/licensing"),
                 QStringLiteral("qt.io")));
    const QPixmap logo(QStringLiteral(":/qt-project.org/qmessagebox/images/qtlogo-64.png"));
    if (!logo.isNull()) {
        box->setIconPixmap(logo);
    }
    box->open();
    return box;
}

QMessageBox* openAbout(QWidget* window, const Wording& wording) {
    const auto text = [&wording](std::string_view finnish) { return qtext(wording(finnish)); };
    auto* box = new QMessageBox(
        QMessageBox::NoIcon, text(texts::about),
        text(texts::aboutVersion) + QStringLiteral(ZARNO_VERSION) + "\n\n" + text(texts::aboutText),
        QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIconPixmap(window->windowIcon().pixmap(32));
    QPushButton* qt = box->addButton(text(texts::aboutQt), QMessageBox::ActionRole);
    QObject::connect(box, &QMessageBox::buttonClicked, window,
                     [window, qt](QAbstractButton* clicked) {
                         if (clicked == qt) {
                             openAboutQt(window);
                         }
                     });
    box->open();
    return box;
}

void askForFile(QWidget* window, FileUse use, const QString& title, const QString& suggested,
                const QString& filter, std::function<void(const QString&)> chosen) {
    auto* dialog = new QFileDialog(window, title, suggested, filter);
    dialog->setAcceptMode(use == FileUse::save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(use == FileUse::save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, window, std::move(chosen));
    dialog->open();
}

}  // namespace zarno
