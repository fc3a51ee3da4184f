#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <span>
#include <string>
#include <string_view>

namespace zarno {

// The languages Zarno speaks, Finnish first: it is the source and the default.
inline const QStringList spokenLanguages = {QStringLiteral("fi"), QStringLiteral("sv"),
                                            QStringLiteral("en")};

// The first of the user's languages, as QLocale::uiLanguages() gives them ("sv-FI", "en"), that
// Zarno speaks; Finnish when none is, the C locale's "C" included.
QString chooseLanguage(const QStringList& uiLanguages);

// The decimal separator of a locale, as the program's number patterns take it: '.' where the
// locale's is not one ASCII character.
char decimalSeparatorOf(const QLocale& locale);
// A text of the program's in the language of the translations installed: the window's and the
// command line's wording.
std::string translated(std::string_view finnish);

// Where an installed Zarno keeps its translations: share/zarno/translations beside its program.
QString installedTranslations();

// Zarno's translation for a language and Qt's own for its dialogs, installed in the application
// for as long as this lives. Zarno's is the one built into the program, unless the folder given
// holds one that translates every text in `texts`: an older or incomplete file there would show
// a window in two languages.
class Translations {
public:
    Translations(const QString& language, std::span<const std::string_view> texts,
                 const QString& folder = installedTranslations());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The file Zarno's translation came from; empty for Finnish, which needs none.
    QString file() const { return zarno_.filePath(); }

private:
    QTranslator zarno_;
    QTranslator qt_;
};

}  // namespace zarno
