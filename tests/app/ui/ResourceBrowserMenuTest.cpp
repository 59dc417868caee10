// The main form's ways into the resource browser: its menu, and Business Resources on a
// desktop that has no program for web pages.
#include "app/ui/MainFormTesting.h"
#include "browser/ui/FrmBrowser.h"
#include "support/ui_FakeEngines.h"

#include <QAction>
#include <QComboBox>

using namespace testing_support;

namespace {

class ResourceBrowserMenuTest : public MainFormFixture
{
protected:
    void chooseResourceBrowser()
    {
        auto &form = start();
        ASSERT_NE(action(form, "mnuResourceBrowser"), nullptr);
        EXPECT_EQ(action(form, "mnuResourceBrowser")->text(), "Resource Browser...");
        trigger(form, "mnuResourceBrowser");
    }
};

TEST_F(ResourceBrowserMenuTest, OpensTheBrowserWithoutAStartingAddress)
{
    FakeEngines engines;
    ui::WindowRegistry::get<browser::FrmBrowser>().StartingAddress = "left.over.example";
    chooseResourceBrowser();
    auto *window = ui::WindowRegistry::existing<browser::FrmBrowser>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->StartingAddress.isEmpty());
    ASSERT_NE(engines.latest, nullptr);
    EXPECT_TRUE(engines.latest->requests.isEmpty());
    EXPECT_EQ(window->findChild<QComboBox *>("cboAddress")->count(), 25);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ResourceBrowserMenuTest, AWebEngineThatCannotLoadIsReported)
{
    FakeEngines missing(FakeEngines::Missing);
    chooseResourceBrowser();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains("tallowmere_webengine"));
    EXPECT_FALSE(ui::WindowRegistry::get<browser::FrmBrowser>().isVisible());
}

TEST_F(ResourceBrowserMenuTest, BusinessResourcesWithoutADesktopHandlerOpenInTheResourceBrowser)
{
    FakeEngines engines;
    dialogs->desktopOpensUrls = false;
    auto &form = start();
    click(&form, "CmdResource");
    ASSERT_EQ(dialogs->openedUrls.size(), 1u);
    const QString page = dialogs->openedUrls[0].toString();
    EXPECT_TRUE(page.endsWith("/BusineeResources.html"));

    auto &window = ui::WindowRegistry::get<browser::FrmBrowser>();
    EXPECT_TRUE(window.isVisible());
    FakeWebEngine *engine = engines.latest;
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->requests, QStringList{QStringLiteral("navigate ") + page});

    // Open on another page already, the browser goes to the resources page.
    engine->arrive(QUrl("http://127.0.0.1:9/other.html"), "Other");
    click(&form, "CmdResource");
    EXPECT_EQ(engine->requests.last(), QStringLiteral("navigate ") + page);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ResourceBrowserMenuTest, BusinessResourcesSayWhyNothingOpenedWhenTheBrowserCannotStartEither)
{
    FakeEngines missing(FakeEngines::Missing);
    dialogs->desktopOpensUrls = false;
    click(&start(), "CmdResource");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const QString text = dialogs->messages[0].text;
    EXPECT_TRUE(text.contains("BusineeResources.html")) << text.toStdString();
    EXPECT_TRUE(text.contains("no program on this computer is set up to open web pages"));
    EXPECT_TRUE(text.contains("tallowmere_webengine could not be loaded"));
    EXPECT_FALSE(ui::WindowRegistry::get<browser::FrmBrowser>().isVisible());
}

} // namespace
