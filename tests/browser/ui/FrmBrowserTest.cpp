// The resource browser's window over a fake engine: what each control does, without
// loading the web engine.
#include "browser/ui/FrmBrowser.h"
#include "browser/AddressList.h"
#include "browser/ui/WebView.h"
#include "support/ui_FakeWebEngine.h"
#include "ui/Twips.h"
#include "ui/WindowRegistry.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

using browser::FrmBrowser;
using browser::WebView;
using testing_support::FakeWebEngine;

namespace {

class FrmBrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WebView::setEngineFactory([this](QWidget *host, const browser::WebEngineEvents &events) {
            auto engine = std::make_unique<FakeWebEngine>(host, events);
            engine_ = engine.get();
            ++enginesMade;
            return engine;
        });
    }

    void TearDown() override
    {
        ui::WindowRegistry::clear();
        WebView::setEngineFactory({});
    }

    FrmBrowser &open(const QString &startingAddress = {})
    {
        FrmBrowser &window = ui::WindowRegistry::get<FrmBrowser>();
        window.StartingAddress = startingAddress;
        window.showWindow();
        return window;
    }

    QComboBox *addressBox(FrmBrowser &window) { return window.findChild<QComboBox *>(QStringLiteral("cboAddress")); }
    QTimer *timer(FrmBrowser &window) { return window.findChild<QTimer *>(QStringLiteral("timTimer")); }

    QStringList entries(FrmBrowser &window)
    {
        QStringList items;
        for (int i = 0; i < addressBox(window)->count(); ++i)
            items << addressBox(window)->itemText(i);
        return items;
    }

    void press(FrmBrowser &window, const char *key)
    {
        auto *button = window.findChild<QToolButton *>(QLatin1String(key));
        ASSERT_NE(button, nullptr) << key;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    FakeWebEngine &engine() { return *engine_; }

    FakeWebEngine *engine_ = nullptr;
    int enginesMade = 0;
};

TEST_F(FrmBrowserTest, OpensWithoutAPageWhenNoStartingAddressIsGiven)
{
    FrmBrowser &window = open();
    EXPECT_TRUE(engine().requests.isEmpty());
    EXPECT_FALSE(timer(window)->isActive());
    EXPECT_EQ(entries(window), browser::AddressList::presets());
    EXPECT_EQ(addressBox(window)->currentText(), QString());
    EXPECT_EQ(addressBox(window)->accessibleName(), QStringLiteral("Address"));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblAddress"))->buddy(), addressBox(window));
}

TEST_F(FrmBrowserTest, ToolBarHasSixButtonsInOrderNamedByTheirKeysWithPictures)
{
    FrmBrowser &window = open();
    auto *toolBar = window.findChild<QToolBar *>(QStringLiteral("tbToolBar"));
    QStringList keys;
    for (QAction *action : toolBar->actions()) {
        keys << action->data().toString();
        QWidget *button = toolBar->widgetForAction(action);
        EXPECT_EQ(button->accessibleName(), action->data().toString());
        EXPECT_EQ(action->toolTip(), action->data().toString());
        EXPECT_FALSE(action->icon().isNull()) << action->data().toString().toStdString();
    }
    EXPECT_EQ(keys, (QStringList{QStringLiteral("Back"), QStringLiteral("Forward"), QStringLiteral("Stop"),
                                 QStringLiteral("Refresh"), QStringLiteral("Home"), QStringLiteral("Search")}));
}

TEST_F(FrmBrowserTest, StartingAddressIsAddedAtTheEndAndOpened)
{
    FrmBrowser &window = open(QStringLiteral("example.org/start"));
    EXPECT_EQ(addressBox(window)->count(), 26);
    EXPECT_EQ(addressBox(window)->itemText(25), QStringLiteral("example.org/start"));
    EXPECT_EQ(addressBox(window)->currentText(), QStringLiteral("example.org/start"));
    EXPECT_EQ(engine().requests, QStringList{QStringLiteral("navigate http://example.org/start")});
    ASSERT_TRUE(timer(window)->isActive());

    QTRY_COMPARE(window.windowTitle(), QStringLiteral("Working..."));
    engine().arrive(QUrl(QStringLiteral("http://example.org/start")), QStringLiteral("Start page"));
    QTRY_VERIFY(!timer(window)->isActive());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Start page"));

    // The engine writes the address with its scheme: the typed entry at the end stays.
    EXPECT_EQ(addressBox(window)->count(), 27);
    EXPECT_EQ(addressBox(window)->itemText(0), QStringLiteral("http://example.org/start"));
    EXPECT_EQ(addressBox(window)->itemText(26), QStringLiteral("example.org/start"));
    EXPECT_EQ(addressBox(window)->currentIndex(), 0);
    // Selecting the visited address did not start another navigation.
    EXPECT_EQ(engine().requests.size(), 1);
}

TEST_F(FrmBrowserTest, AVisitRemovesOnlyAnExactlyEqualEntry)
{
    FrmBrowser &window = open(QStringLiteral("http://example.org/"));
    engine().arrive(QUrl(QStringLiteral("http://example.org/")), QStringLiteral("Example"));
    EXPECT_EQ(addressBox(window)->count(), 26);
    EXPECT_EQ(addressBox(window)->itemText(0), QStringLiteral("http://example.org/"));
    EXPECT_EQ(addressBox(window)->itemText(25), browser::AddressList::presets().last());

    engine().arrive(QUrl(QStringLiteral("http://example.org/other")), QStringLiteral("Other"));
    engine().arrive(QUrl(QStringLiteral("http://example.org/")), QStringLiteral("Example"));
    EXPECT_EQ(entries(window).mid(0, 2),
              (QStringList{QStringLiteral("http://example.org/"), QStringLiteral("http://example.org/other")}));
    EXPECT_EQ(addressBox(window)->count(), 27);
    EXPECT_EQ(entries(window).count(QStringLiteral("http://example.org/")), 1);
    EXPECT_EQ(engine().requests.size(), 1);
}

TEST_F(FrmBrowserTest, EnterOrChoosingAnEntryOpensTheAddressBoxText)
{
    FrmBrowser &window = open();
    QComboBox *box = addressBox(window);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("127.0.0.1:8000/typed"));
    EXPECT_TRUE(engine().requests.isEmpty());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(engine().requests, QStringList{QStringLiteral("navigate http://127.0.0.1:8000/typed")});
    EXPECT_TRUE(timer(window)->isActive());
    // Typing never adds to the list; only visits do.
    EXPECT_EQ(box->count(), 25);
    EXPECT_EQ(box->currentText(), QStringLiteral("127.0.0.1:8000/typed"));

    box->setCurrentIndex(2);
    emit box->activated(2);
    EXPECT_EQ(engine().requests.last(), QStringLiteral("navigate ") + browser::AddressList::presets()[2]);
}

TEST_F(FrmBrowserTest, AnAddressTheEngineCannotOpenEndsTheHandlerQuietly)
{
    FrmBrowser &window = open();
    QComboBox *box = addressBox(window);
    box->setEditText(QStringLiteral("http://exa mple.org/"));
    QTest::keyClick(box, Qt::Key_Return);
    box->setEditText(QString());
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_TRUE(engine().requests.isEmpty());
    QTRY_VERIFY(!timer(window)->isActive());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Resource Browser"));

    box->setEditText(QStringLiteral("example.org"));
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(engine().requests, QStringList{QStringLiteral("navigate http://example.org")});
}

TEST_F(FrmBrowserTest, ToolBarButtonsDriveTheEngine)
{
    FrmBrowser &window = open();
    press(window, "Back");
    press(window, "Forward");
    press(window, "Refresh");
    press(window, "Home");
    press(window, "Search");
    EXPECT_EQ(engine().requests,
              (QStringList{QStringLiteral("back"), QStringLiteral("forward"), QStringLiteral("reload"),
                           QStringLiteral("navigate ") + browser::AddressList::homePage(),
                           QStringLiteral("navigate ") + browser::AddressList::searchPage()}));
    EXPECT_TRUE(timer(window)->isActive());

    engine().arrive(QUrl(browser::AddressList::searchPage()), QStringLiteral("Search"));
    engine().navigate(QUrl(QStringLiteral("http://example.org/slow")));
    press(window, "Refresh");
    QTRY_COMPARE(window.windowTitle(), QStringLiteral("Working..."));
    press(window, "Stop");
    EXPECT_EQ(engine().requests.last(), QStringLiteral("stop"));
    EXPECT_FALSE(timer(window)->isActive());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Search"));
}

TEST_F(FrmBrowserTest, AFailingButtonLeavesTheWindowUsable)
{
    FrmBrowser &window = open();
    engine().failBack = true;
    press(window, "Back");
    // The timer was started before the failure; it stops by itself as nothing loads.
    QTRY_VERIFY(!timer(window)->isActive());
    press(window, "Home");
    EXPECT_EQ(engine().requests, QStringList{QStringLiteral("navigate ") + browser::AddressList::homePage()});
}

TEST_F(FrmBrowserTest, ResizingFitsAddressBoxAndPageAndSurvivesATinyWindow)
{
    FrmBrowser &window = open();
    WebView *page = window.webView();
    window.resize(ui::twipsToPixels(9000), ui::twipsToPixels(7215));
    QCoreApplication::processEvents();
    EXPECT_EQ(addressBox(window)->width(), ui::twipsToPixels(8900));
    EXPECT_EQ(page->width(), ui::twipsToPixels(8900));
    EXPECT_EQ(page->height(), ui::twipsToPixels(5900));
    EXPECT_EQ(page->pos(), ui::twipsRect(50, 1215, 0, 0).topLeft());
    EXPECT_EQ(addressBox(window)->pos(), ui::twipsRect(50, 330, 0, 0).topLeft());

    // Too low for the page: widths follow, the page keeps its height.
    window.resize(ui::twipsToPixels(3000), ui::twipsToPixels(1200));
    QCoreApplication::processEvents();
    EXPECT_EQ(page->width(), ui::twipsToPixels(2900));
    EXPECT_EQ(page->height(), ui::twipsToPixels(5900));
    // Too narrow for anything: nothing changes, and the window keeps working.
    window.resize(ui::twipsToPixels(90), ui::twipsToPixels(90));
    QCoreApplication::processEvents();
    EXPECT_EQ(page->width(), ui::twipsToPixels(2900));
    press(window, "Home");
    EXPECT_EQ(engine().requests.size(), 1);
}

TEST_F(FrmBrowserTest, OneInstanceRaisedAgainAndFreshAfterClosing)
{
    FrmBrowser &window = open(QStringLiteral("example.org/a"));
    FrmBrowser &again = open(QStringLiteral("example.org/a"));
    EXPECT_EQ(&window, &again);
    EXPECT_EQ(addressBox(window)->count(), 26);
    EXPECT_EQ(enginesMade, 1);

    window.close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer(window)->isActive());
    FrmBrowser &reopened = open();
    EXPECT_EQ(&reopened, &window);
    EXPECT_EQ(enginesMade, 2);
    EXPECT_EQ(entries(window), browser::AddressList::presets());
    EXPECT_TRUE(engine().requests.isEmpty());
}

} // namespace
