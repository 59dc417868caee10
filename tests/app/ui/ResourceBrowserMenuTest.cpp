// The main form's way into the resource browser.
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
    browser::WebView::setEngineFactory([&engine](QWidget *host, const browser::WebEngineEvents &events) {
        auto made = std::make_unique<FakeWebEngine>(host, events);
        engine = made.get();
        return made;
    });
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

} // namespace
