#pragma once

#include <QString>

#include <functional>

#include "core/text/Wording.h"

class QMessageBox;
class QWidget;

// The program's dialogs. Each is modal to its window alone and returns to the event loop at once.
namespace zarno {

// Opens one of the program's messages over `window` and returns at once: plain text with the
// window's title, OK only, no icon, modal to that window alone, and under the text a check box of
// `choice` where one is given, unticked. The box deletes itself when closed; its finished() signal
// tells when.
QMessageBox* openMessage(QWidget* window, const QString& text, const QString& choice = {});

// Qt's own notice of its version and licences, as Qt itself shows it and in the user's language
// by Qt's own translations, but opened as above: Qt's function would run a loop of its own.
QMessageBox* openAboutQt(QWidget* window);

// The version, the copyright and the licence, as the GPL asks of an interactive program; Qt's
// own notice one click away.
QMessageBox* openAbout(QWidget* window, const Wording& wording);

// Asks for a file to save to or to open; `chosen` gets it once the user has chosen one.
enum class FileUse { save, open };
void askForFile(QWidget* window, FileUse use, const QString& title, const QString& suggested,
                const QString& filter, std::function<void(const QString&)> chosen);

}  // namespace zarno
