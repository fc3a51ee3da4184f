#pragma once

class QMessageBox;
class QString;
class QWidget;

namespace zarno {

// Opens one of the program's messages over `window` and returns at once: plain text with the
// window's title, OK only, no icon, modal to that window alone. The box deletes itself when
// closed; its finished() signal tells when.
QMessageBox* openMessage(QWidget* window, const QString& text);

// Qt's own notice of its version and licences, as Qt itself shows it and in the user's language
// by Qt's own translations, but opened as above: Qt's function would run a loop of its own.
QMessageBox* openAboutQt(QWidget* window);

}  // namespace zarno
