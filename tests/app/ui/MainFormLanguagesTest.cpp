// The main form in each shipped language: its texts are translated, and no two commands
// the form shows at once, nor two commands of one menu, share an access key.
#include "app/Language.h"
#include "app/ui/MainFormTesting.h"
#include "support/ui_Layout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>

using namespace testing_support;

namespace {

// The letter after a lone '&', upper-cased; empty for a text without one.
QString accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text.mid(i + 1, 1).toUpper();
        ++i;
    }
    return {};
}

// The texts whose access keys repeat one another's, "A: &Add, &Abbrechen".
QStringList clashes(const QStringList &texts)
{
    QMultiHash<QString, QString> byKey;
    for (const QString &text : texts) {
        if (const QString key = accessKey(text); !key.isEmpty())
            byKey.insert(key, text);
    }
    QStringList found;
    for (const QString &key : byKey.uniqueKeys()) {
        if (byKey.count(key) > 1)
            found << key + QStringLiteral(": ") + byKey.values(key).join(QStringLiteral(", "));
    }
    return found;
}

class MainFormLanguagesTest : public MainFormFixture, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        const QString code = QLatin1String(GetParam());
        const QString built = app::Language::translationFolders(QCoreApplication::applicationDirPath()).first();
        ASSERT_TRUE(m_program.load(QStringLiteral("tallowmere_") + code, built)) << built.toStdString();
        QCoreApplication::installTranslator(&m_program);
        if (m_qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        MainFormFixture::SetUp();
    }

    void TearDown() override
    {
        MainFormFixture::TearDown();
        QCoreApplication::removeTranslator(&m_program);
        QCoreApplication::removeTranslator(&m_qt);
    }

    QTranslator m_program;
    QTranslator m_qt;
};

TEST_P(MainFormLanguagesTest, TheFormSpeaksTheLanguageAndEachAccessKeyLeadsToOneCommand)
{
    auto &form = start();
    EXPECT_NE(form.windowTitle(), "General Business Information");
    EXPECT_NE(control<QPushButton>(&form, "cmdAdd")->text(), "&Add");
    EXPECT_FALSE(control<QLabel>(&form, "lblStatus")->text().startsWith("Business Currently In System"));

    // The menu bar's menus and the buttons on the form answer the same Alt keys.
    QStringList commands;
    for (const QAction *menu : form.findChild<QMenuBar *>()->actions()) {
        EXPECT_FALSE(accessKey(menu->text()).isEmpty()) << menu->text().toStdString();
        commands << menu->text();
    }
    for (const QPushButton *button : form.findChildren<QPushButton *>()) {
        if (button->isVisibleTo(&form))
            commands << button->text();
    }
    EXPECT_EQ(clashes(commands), QStringList()) << commands.join(u'|').toStdString();
    // Update and Cancel stand in for Add and Edit beside the same others.
    QStringList editing;
    for (const char *name : {"cmdUpdate", "cmdCancel", "cmdDelete", "cmdRefresh", "cmdClose"})
        editing << control<QPushButton>(&form, name)->text();
    for (const QAction *menu : form.findChild<QMenuBar *>()->actions())
        editing << menu->text();
    EXPECT_EQ(clashes(editing), QStringList()) << editing.join(u'|').toStdString();

    for (const QMenu *menu : form.findChildren<QMenu *>()) {
        QStringList items;
        for (const QAction *item : menu->actions()) {
            if (item->isSeparator())
                continue;
            // A language's own name stays as its speakers write it.
            if (!item->objectName().startsWith(QLatin1String("mnuLanguage_"))) {
                EXPECT_FALSE(accessKey(item->text()).isEmpty()) << "no access key: " << item->text().toStdString();
            }
            items << item->text();
        }
        EXPECT_EQ(clashes(items), QStringList()) << menu->title().toStdString();
    }
    EXPECT_EQ(layoutFaults(form), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Shipped, MainFormLanguagesTest, ::testing::Values("de", "es", "fr"));

} // namespace
