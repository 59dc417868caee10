// The main form in each shipped language: its texts are translated, and no two commands
// the form shows at once, nor two commands of one menu, share an access key.
#include "app/ui/MainFormTesting.h"
#include "support/ui_Languages.h"
#include "support/ui_Layout.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace testing_support;

namespace {

class MainFormLanguagesTest : public MainFormFixture, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_language.loaded());
        MainFormFixture::SetUp();
    }

    InstalledLanguage m_language{QLatin1String(GetParam())};
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
    EXPECT_EQ(accessKeyClashes(commands), QStringList()) << commands.join(u'|').toStdString();
    // Update and Cancel stand in for Add and Edit beside the same others.
    QStringList editing;
    for (const char *name : {"cmdUpdate", "cmdCancel", "cmdDelete", "cmdRefresh", "cmdClose"})
        editing << control<QPushButton>(&form, name)->text();
    for (const QAction *menu : form.findChild<QMenuBar *>()->actions())
        editing << menu->text();
    EXPECT_EQ(accessKeyClashes(editing), QStringList()) << editing.join(u'|').toStdString();

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
        EXPECT_EQ(accessKeyClashes(items), QStringList()) << menu->title().toStdString();
    }
    EXPECT_EQ(layoutFaults(form), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Shipped, MainFormLanguagesTest, ::testing::Values("de", "es", "fr"));

} // namespace
