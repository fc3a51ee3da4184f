#include "platform/qt/Translations.h"

#include <QCoreApplication>
#include <QDir>

namespace zarno {

QString chooseLanguage(const QStringList& uiLanguages) {
    for (const QString& language : uiLanguages) {
        const QString base =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (spokenLanguages.contains(base)) {
            return base;
        }
    }
    return spokenLanguages.first();
}

Translations::Translations(const QString& language) {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath("../share/zarno/translations");
    if (zarno_.load("zarno_" + language, installed) ||
        zarno_.load("zarno_" + language, QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&zarno_);
    }
    // Debian has Qt's own translation split per module for some languages, whole for others.
    if (qt_.load("qtbase_" + language, QStringLiteral(":/i18n/qt")) ||
        qt_.load("qt_" + language, QStringLiteral(":/i18n/qt"))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&zarno_);
}

}  // namespace zarno
