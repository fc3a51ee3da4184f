// The window in each language Zarno speaks: the user's languages choose it, and its captions and
// messages come from that language's translation.
#include <QCoreApplication>
#include <QLabel>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "core/text/Texts.h"
#include "gui/GuiHarness.h"
#include "platform/qt/Translations.h"

namespace zarno::test {
namespace {

QString translated(const char* finnish) {
    return QCoreApplication::translate("Zarno", finnish);
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void theUsersLanguagesChooseOne_data();
    void theUsersLanguagesChooseOne();
    void anInstalledTranslationServesOnlyWhenComplete();
    void everyTextOfTheTranslationsIsChecked();
};

void LanguageTest::theUsersLanguagesChooseOne_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::newRow("Finnish") << QStringList{"fi-FI", "fi-Latn-FI"} << "fi";
    QTest::newRow("Swedish in Finland") << QStringList{"sv-FI", "sv-Latn-FI"} << "sv";
    QTest::newRow("English, after a language Zarno lacks")
        << QStringList{"de-DE", "de", "en-GB", "en"} << "en";
    QTest::newRow("English, as LANGUAGE spells it") << QStringList{"en_US"} << "en";
    QTest::newRow("the C locale") << QStringList{"C"} << "fi";
    QTest::newRow("none Zarno has") << QStringList{"de-DE", "fr"} << "fi";
}

void LanguageTest::theUsersLanguagesChooseOne() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QCOMPARE(chooseLanguage(uiLanguages), language);

    const Translations translations(language, texts::all);
    const bool finnish = language == "fi";
    // The translation is there, or Finnish stays: the expected texts are the .qm files' own.
    QCOMPARE(translated("Arvontaa") == "Arvontaa", finnish);
    Harness h;
    QCOMPARE(h.button(Control::cmdAloitaArvonta)->text(), translated("Arvontaa"));
    QCOMPARE(h.window.label(LabelId::hits(2, 0))->text(), translated("0 oikein (kpl):"));
    QVERIFY(h.window.label(LabelId::winnings(2))
                ->toolTip()
                .startsWith(translated("Odotettu palautus: ")));
    choose(h.window.comboBox(Control::cmbTaso), "3");
    h.click(Control::cmdAloitaArvonta);
    QCOMPARE(h.acknowledge(), translated("Anna kaikki numerot."));
    QCOMPARE(h.messages.first() == QString::fromUtf8("Anna kaikki numerot."), finnish);
}

// A translation installed beside the program serves when it has every text; an older one that
// lacks some gives way to the one built into the program, or the window would speak two
// languages.
void LanguageTest::anInstalledTranslationServesOnlyWhenComplete() {
    const struct {
        const char* installed;
        bool used;
    } cases[] = {
        {":/old/zarno_sv.qm", false},
        {":/i18n/zarno_sv.qm", true},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        const QString file = folder.filePath("zarno_sv.qm");
        QVERIFY(QFile::copy(c.installed, file));
        const Translations translations("sv", texts::all, folder.path());
        QCOMPARE(translations.file(), c.used ? file : QStringLiteral(":/i18n/zarno_sv.qm"));
        QVERIFY(translated("Arvontaa") != QStringLiteral("Gammal dragning"));
        QVERIFY(translated("Arvontaa") != QStringLiteral("Arvontaa"));
    }
}

// The texts an installed translation must have are those the translation files hold, which a
// test of their own keeps complete: a text missing from the list would let an older file serve.
void LanguageTest::everyTextOfTheTranslationsIsChecked() {
    QFile ts(QStringLiteral(":/ts/zarno_en.ts"));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QSet<QString> sources;
    QXmlStreamReader xml(&ts);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source") {
            sources << xml.readElementText();
        }
    }
    QSet<QString> listed;
    for (const std::string_view text : texts::all) {
        listed << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    QCOMPARE(listed, sources);
}

}  // namespace zarno::test

QTEST_MAIN(zarno::test::LanguageTest)
#include "LanguageTest.moc"
