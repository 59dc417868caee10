// The language the windows speak: the user's choice over the desktop's, the desktop's
// as gettext programs read it, and the plural forms of a shipped translation.
#include "app/Language.h"

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include <gtest/gtest.h>

using app::Language;

namespace {

TEST(Language, TheChoiceWinsOverTheDesktopAndAnythingUnknownFallsBackToEnglish)
{
    struct Case
    {
        QString choice;
        QStringList desktop;
        QString expected;
    };
    const Case cases[] = {
        {"", {"de_DE.UTF-8"}, "de"},
        {"fr", {"de_DE.UTF-8"}, "fr"},
        {"en", {"es_ES.UTF-8"}, "en"},
        // A choice this version does not ship counts as none.
        {"pt", {"es_MX"}, "es"},
        {"", {"fr_CA.UTF-8@euro"}, "fr"},
        {"", {"fr-CA"}, "fr"},
        // The first shipped language of the list wins; English asked for first is English.
        {"", {"pt_BR", "nl", "es", "de"}, "es"},
        {"", {"en_GB", "de"}, "en"},
        {"", {"pt_BR", "ja"}, "en"},
        {"", {}, "en"},
        {"", {"", "DE"}, "de"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Language::resolve(c.choice, c.desktop), c.expected)
            << c.choice.toStdString() << " / " << c.desktop.join(u',').toStdString();
}

TEST(Language, TheDesktopsLanguagesAreReadAsGettextReadsThem)
{
    struct Case
    {
        QHash<QString, QString> environment;
        QStringList expected;
    };
    const Case cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, {"de_DE.UTF-8"}},
        {{{"LANGUAGE", "fr:de::es_ES"}, {"LANG", "it_IT.UTF-8"}}, {"fr", "de", "es_ES"}},
        {{{"LC_ALL", "es_MX.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}}, {"es_MX.UTF-8"}},
        {{{"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}}, {"fr_FR"}},
        // Under the C locale messages stay untranslated, whatever LANGUAGE lists.
        {{{"LANGUAGE", "fr:de"}, {"LC_ALL", "C"}, {"LANG", "de_DE"}}, {}},
        {{{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}, {}},
        {{{"LANGUAGE", "fr"}, {"LANG", "POSIX"}}, {}},
        {{{"LANGUAGE", "fr"}}, {}},
        {{}, {}},
    };
    for (const Case &c : cases) {
        const QStringList found
            = Language::desktopLanguages([&c](const char *name) { return c.environment.value(QLatin1String(name)); });
        EXPECT_EQ(found, c.expected) << c.environment.value("LANGUAGE").toStdString() << " "
                                     << c.environment.value("LANG").toStdString();
    }
}

// The counts of the shipped translations take each language's plural forms: French
// writes 0 in the singular, German in the plural.
TEST(Language, CountsTakeTheLanguagesPluralForms)
{
    struct Case
    {
        const char *code;
        int count;
        QString expected;
    };
    const Case cases[] = {
        {"de", 0, "0 Unternehmen wurden nach %1 exportiert."},
        {"de", 2, "2 Unternehmen wurden nach %1 exportiert."},
        {"fr", 0, "0 entreprise a été exportée vers %1."},
        {"fr", 1500, "1500 entreprises ont été exportées vers %1."},
        {"es", 21, "Se han exportado 21 empresas a %1."},
    };
    const QString folder = Language::translationFolders(QCoreApplication::applicationDirPath()).first();
    for (const Case &c : cases) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral("tallowmere_%1").arg(QLatin1String(c.code)), folder))
            << c.code << " in " << folder.toStdString();
        QCoreApplication::installTranslator(&translator);
        EXPECT_EQ(QCoreApplication::translate("app::FileMenu", "%n businesses were exported to %1.", nullptr, c.count),
                  c.expected)
            << c.code << " " << c.count;
        QCoreApplication::removeTranslator(&translator);
    }
    // English, untranslated, writes its source.
    EXPECT_EQ(QCoreApplication::translate("app::FileMenu", "%n businesses were exported to %1.", nullptr, 3),
              "3 businesses were exported to %1.");
}

} // namespace
