#include "platform/qt/Translations.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <string>

namespace zarno {
namespace {

bool translatesAll(const QTranslator& translator, std::span<const std::string_view> texts) {
    return std::all_of(texts.begin(), texts.end(), [&translator](std::string_view text) {
        return !translator.translate("Zarno", std::string(text).c_str()).isEmpty();
    });
}

}  // namespace

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

char decimalSeparatorOf(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

std::string translated(std::string_view finnish) {
    return QCoreApplication::translate("Zarno", std::string(finnish).c_str()).toStdString();
}

QString installedTranslations() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("../share/zarno/translations");
}

Translations::Translations(const QString& language, std::span<const std::string_view> texts,
                           const QString& folder) {
    const QString name = "zarno_" + language;
    if (!zarno_.load(name, folder) || !translatesAll(zarno_, texts)) {
        static_cast<void>(zarno_.load(name, QStringLiteral(":/i18n")));
    }
    if (!zarno_.isEmpty()) {
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
