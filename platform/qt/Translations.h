#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace zarno {

// The languages Zarno speaks, Finnish first: it is the source and the default.
inline const QStringList spokenLanguages = {QStringLiteral("fi"), QStringLiteral("sv"),
                                            QStringLiteral("en")};

// The first of the user's languages, as QLocale::uiLanguages() gives them ("sv-FI", "en"), that
// Zarno speaks; Finnish when none is, the C locale's "C" included.
QString chooseLanguage(const QStringList& uiLanguages);

// Zarno's translation for a language and Qt's own for its dialogs, installed in the application
// for as long as this lives. Zarno's are looked for beside the program's data
// (share/zarno/translations) and else built into it; Qt's are built in.
class Translations {
public:
    explicit Translations(const QString& language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator zarno_;
    QTranslator qt_;
};

}  // namespace zarno
