// The main form's ways into the resource browser: its menu, and Business Resources on a
// desktop that has no program for web pages.
#include "app/ui/GeneralInformation1.h"
#include "app/ui/StartUp.h"
#include "base/Error.h"
#include "browser/ui/FrmBrowser.h"
#include "browser/ui/WebView.h"
#include "records/ui/FormTesting.h"
#include "support/ui_FakeWebEngine.h"

#include <QAction>
#include <QComboBox>

using namespace testing_support;

namespace {

class ResourceBrowserMenuTest : public FormTest
{
protected:
    void TearDown() override
    {
        FormTest::TearDown();
        browser::WebView::setEngineFactory({});
    }

    // Records the fake engine that the browser makes.
    void useFakeEngine(FakeWebEngine *&engine)
    {
        browser::WebView::setEngineFactory([&engine](QWidget *host, const browser::WebEngineEvents &events) {
            auto made = std::make_unique<FakeWebEngine>(host, events);
            engine = made.get();
            return made;
        });
    }

    void chooseResourceBrowser()
    {
        ASSERT_TRUE(app::showMainForm());
        auto &form = ui::WindowRegistry::get<app::GeneralInformation1>();
        auto *action = form.findChild<QAction *>(QStringLiteral("mnuResourceBrowser"));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QStringLiteral("Resource Browser..."));
        action->trigger();
    }
};

TEST_F(ResourceBrowserMenuTest, OpensTheBrowserWithoutAStartingAddress)
{
    FakeWebEngine *engine = nullptr;
    useFakeEngine(engine);
    ui::WindowRegistry::get<browser::FrmBrowser>().StartingAddress = QStringLiteral("left.over.example");
    chooseResourceBrowser();
    auto *window = ui::WindowRegistry::existing<browser::FrmBrowser>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->StartingAddress.isEmpty());
    ASSERT_NE(engine, nullptr);
    EXPECT_TRUE(engine->requests.isEmpty());
    EXPECT_EQ(window->findChild<QComboBox *>(QStringLiteral("cboAddress"))->count(), 25);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ResourceBrowserMenuTest, AWebEngineThatCannotLoadIsReported)
{
    browser::WebView::setEngineFactory(
        [](QWidget *, const browser::WebEngineEvents &) -> std::unique_ptr<browser::WebEngine> {
            throw base::Error(QStringLiteral("The program part tallowmere_webengine could not be loaded: not found"));
        });
    chooseResourceBrowser();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("tallowmere_webengine")));
    EXPECT_FALSE(ui::WindowRegistry::get<browser::FrmBrowser>().isVisible());
}

TEST_F(ResourceBrowserMenuTest, BusinessResourcesWithoutADesktopHandlerOpenInTheResourceBrowser)
{
    FakeWebEngine *engine = nullptr;
    useFakeEngine(engine);
    dialogs->desktopOpensUrls = false;
    ASSERT_TRUE(app::showMainForm());
    auto &form = ui::WindowRegistry::get<app::GeneralInformation1>();
    click(&form, "CmdResource");
    ASSERT_EQ(dialogs->openedUrls.size(), 1u);
    const QString page = dialogs->openedUrls[0].toString();
    EXPECT_TRUE(page.endsWith(QStringLiteral("/BusineeResources.html")));

    auto &window = ui::WindowRegistry::get<browser::FrmBrowser>();
    EXPECT_TRUE(window.isVisible());
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->requests, QStringList{QStringLiteral("navigate ") + page});

    // Open on another page already, the browser goes to the resources page.
    engine->arrive(QUrl(QStringLiteral("http://127.0.0.1:9/other.html")), QStringLiteral("Other"));
    click(&form, "CmdResource");
    EXPECT_EQ(engine->requests.last(), QStringLiteral("navigate ") + page);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ResourceBrowserMenuTest, BusinessResourcesSayWhyNothingOpenedWhenTheBrowserCannotStartEither)
{
    browser::WebView::setEngineFactory(
        [](QWidget *, const browser::WebEngineEvents &) -> std::unique_ptr<browser::WebEngine> {
            throw base::Error(QStringLiteral("The program part tallowmere_webengine could not be loaded: not found"));
        });
    dialogs->desktopOpensUrls = false;
    ASSERT_TRUE(app::showMainForm());
    click(&ui::WindowRegistry::get<app::GeneralInformation1>(), "CmdResource");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const QString text = dialogs->messages[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("BusineeResources.html"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("no program on this computer is set up to open web pages")));
    EXPECT_TRUE(text.contains(QStringLiteral("tallowmere_webengine could not be loaded")));
    EXPECT_FALSE(ui::WindowRegistry::get<browser::FrmBrowser>().isVisible());
}

} // namespace
