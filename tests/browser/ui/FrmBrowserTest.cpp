// The resource browser's window over a fake engine: what each control does, without
// loading the web engine.
#include "browser/ui/FrmBrowser.h"
#include "browser/AddressList.h"
#include "browser/ui/WebView.h"
#include "support/ui_FakeEngines.h"
#include "support/ui_Languages.h"
#include "support/ui_Layout.h"
#include "support/ui_ScriptedDialogs.h"
#include "ui/WindowRegistry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

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
        // Each test starts without a size kept from another.
        QSettings("Tallowmere", "Tallowmere").clear();
    }

    void TearDown() override { ui::WindowRegistry::clear(); }

    FrmBrowser &open(const QString &startingAddress = {})
    {
        FrmBrowser &window = ui::WindowRegistry::get<FrmBrowser>();
        window.StartingAddress = startingAddress;
        window.showWindow();
        return window;
    }

    QComboBox *addressBox(FrmBrowser &window) { return window.findChild<QComboBox *>("cboAddress"); }
    QTimer *timer(FrmBrowser &window) { return window.findChild<QTimer *>("timTimer"); }

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

    FakeWebEngine &engine() { return *engines.latest; }

    testing_support::FakeEngines engines;
};

TEST_F(FrmBrowserTest, OpensWithoutAPageWhenNoStartingAddressIsGiven)
{
    FrmBrowser &window = open();
    EXPECT_TRUE(engine().requests.isEmpty());
    EXPECT_FALSE(timer(window)->isActive());
    EXPECT_EQ(entries(window), browser::AddressList::presets());
    EXPECT_EQ(addressBox(window)->currentText(), QString());
    EXPECT_EQ(addressBox(window)->accessibleName(), "Address");
    EXPECT_EQ(window.findChild<QLabel *>("lblAddress")->buddy(), addressBox(window));
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
    EXPECT_EQ(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
}

// In German the buttons, their tool tips and the title read German, while the keys the
// code goes by stay the same.
TEST_F(FrmBrowserTest, InGermanTheButtonsAndTitleReadGermanUnderTheSameKeys)
{
    testing_support::InstalledLanguage german(QStringLiteral("de"));
    FrmBrowser &window = open();
    auto *toolBar = window.findChild<QToolBar *>(QStringLiteral("tbToolBar"));
    QStringList shown;
    for (QAction *action : toolBar->actions()) {
        shown << action->text();
        EXPECT_EQ(toolBar->widgetForAction(action)->accessibleName(), action->text());
        EXPECT_EQ(action->objectName(), action->data().toString());
    }
    EXPECT_EQ(shown, (QStringList{"Zurück", "Vor", "Stopp", "Neu laden", "Startseite", "Suchen"}));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ressourcen-Browser"));
}

TEST_F(FrmBrowserTest, StartingAddressIsAddedAtTheEndAndOpened)
{
    FrmBrowser &window = open("example.org/start");
    EXPECT_EQ(addressBox(window)->count(), 26);
    EXPECT_EQ(addressBox(window)->itemText(25), "example.org/start");
    EXPECT_EQ(addressBox(window)->currentText(), "example.org/start");
    EXPECT_EQ(engine().requests, QStringList{"navigate http://example.org/start"});
    ASSERT_TRUE(timer(window)->isActive());

    QTRY_COMPARE(window.windowTitle(), QStringLiteral("Working..."));
    engine().arrive(QUrl("http://example.org/start"), "Start page");
    QTRY_VERIFY(!timer(window)->isActive());
    EXPECT_EQ(window.windowTitle(), "Start page");

    // The engine writes the address with its scheme: the typed entry at the end stays.
    EXPECT_EQ(addressBox(window)->count(), 27);
    EXPECT_EQ(addressBox(window)->itemText(0), "http://example.org/start");
    EXPECT_EQ(addressBox(window)->itemText(26), "example.org/start");
    EXPECT_EQ(addressBox(window)->currentIndex(), 0);
    // Selecting the visited address did not start another navigation.
    EXPECT_EQ(engine().requests.size(), 1);
}

TEST_F(FrmBrowserTest, AVisitRemovesOnlyAnExactlyEqualEntry)
{
    FrmBrowser &window = open("http://example.org/");
    engine().arrive(QUrl("http://example.org/"), "Example");
    EXPECT_EQ(addressBox(window)->count(), 26);
    EXPECT_EQ(addressBox(window)->itemText(0), "http://example.org/");
    EXPECT_EQ(addressBox(window)->itemText(25), browser::AddressList::presets().last());

    engine().arrive(QUrl("http://example.org/other"), "Other");
    engine().arrive(QUrl("http://example.org/"), "Example");
    EXPECT_EQ(entries(window).mid(0, 2), (QStringList{"http://example.org/", "http://example.org/other"}));
    EXPECT_EQ(addressBox(window)->count(), 27);
    EXPECT_EQ(entries(window).count("http://example.org/"), 1);
    EXPECT_EQ(engine().requests.size(), 1);
}

TEST_F(FrmBrowserTest, EnterOrChoosingAnEntryOpensTheAddressBoxText)
{
    FrmBrowser &window = open();
    QComboBox *box = addressBox(window);
    box->setFocus();
    QTest::keyClicks(box, "127.0.0.1:8000/typed");
    EXPECT_TRUE(engine().requests.isEmpty());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(engine().requests, QStringList{"navigate http://127.0.0.1:8000/typed"});
    EXPECT_TRUE(timer(window)->isActive());
    // Typing never adds to the list; only visits do.
    EXPECT_EQ(box->count(), 25);
    EXPECT_EQ(box->currentText(), "127.0.0.1:8000/typed");

    box->setCurrentIndex(2);
    emit box->activated(2);
    EXPECT_EQ(engine().requests.last(), QStringLiteral("navigate ") + browser::AddressList::presets()[2]);
}

TEST_F(FrmBrowserTest, AnAddressTheEngineCannotOpenEndsTheHandlerQuietly)
{
    FrmBrowser &window = open();
    QComboBox *box = addressBox(window);
    box->setEditText("http://exa mple.org/");
    QTest::keyClick(box, Qt::Key_Return);
    box->setEditText(QString());
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_TRUE(engine().requests.isEmpty());
    QTRY_VERIFY(!timer(window)->isActive());
    EXPECT_EQ(window.windowTitle(), "Resource Browser");

    box->setEditText("example.org");
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(engine().requests, QStringList{"navigate http://example.org"});
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
              (QStringList{"back", "forward", "reload", QStringLiteral("navigate ") + browser::AddressList::homePage(),
                           QStringLiteral("navigate ") + browser::AddressList::searchPage()}));
    EXPECT_TRUE(timer(window)->isActive());

    engine().arrive(QUrl(browser::AddressList::searchPage()), "Search");
    engine().navigate(QUrl("http://example.org/slow"));
    press(window, "Refresh");
    QTRY_COMPARE(window.windowTitle(), QStringLiteral("Working..."));
    press(window, "Stop");
    EXPECT_EQ(engine().requests.last(), "stop");
    EXPECT_FALSE(timer(window)->isActive());
    EXPECT_EQ(window.windowTitle(), "Search");
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
    QComboBox *address = addressBox(window);
    const auto resize = [&window](int width, int height) {
        window.resize(width, height);
        QCoreApplication::processEvents();
    };
    resize(600, 480);
    EXPECT_EQ(testing_support::layoutFaults(window), QStringList());
    // The address box and the page share one column, the page below the box, with
    // margins as wide on the right as on the left (give or take a pixel of rounding).
    EXPECT_EQ(page->x(), address->x());
    EXPECT_EQ(page->width(), address->width());
    EXPECT_GT(page->y(), address->geometry().bottom());
    EXPECT_NEAR(page->parentWidget()->width() - page->geometry().right() - 1, page->x(), 1);
    const QSize pageSize = page->size();

    // Both follow the window.
    resize(600 + 150, 480 + 90);
    EXPECT_EQ(page->size(), pageSize + QSize(150, 90));
    EXPECT_EQ(address->width(), page->width());
    EXPECT_EQ(testing_support::layoutFaults(window), QStringList());

    // Too low for the page: widths follow, the page keeps its height.
    resize(200, 80);
    EXPECT_EQ(page->width(), pageSize.width() - 400);
    EXPECT_EQ(address->width(), page->width());
    EXPECT_EQ(page->height(), pageSize.height() + 90);
    // Too narrow for anything: nothing changes, and the window keeps working.
    resize(6, 6);
    EXPECT_EQ(page->width(), pageSize.width() - 400);
    press(window, "Home");
    EXPECT_EQ(engine().requests.size(), 1);
}

TEST_F(FrmBrowserTest, OneInstanceRaisedAgainAndFreshAfterClosing)
{
    FrmBrowser &window = open("example.org/a");
    FrmBrowser &again = open("example.org/a");
    EXPECT_EQ(&window, &again);
    EXPECT_EQ(addressBox(window)->count(), 26);
    EXPECT_EQ(engines.made, 1);

    window.close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer(window)->isActive());
    FrmBrowser &reopened = open();
    EXPECT_EQ(&reopened, &window);
    EXPECT_EQ(engines.made, 2);
    EXPECT_EQ(entries(window), browser::AddressList::presets());
    EXPECT_TRUE(engine().requests.isEmpty());
}

TEST_F(FrmBrowserTest, OnlyEnterOrAPickFromTheOpenedListOpensAnAddress)
{
    FrmBrowser &window = open();
    QComboBox *box = addressBox(window);
    QApplication::setActiveWindow(&window);
    box->setFocus();

    // Stepping through the closed box by keys or the wheel only changes its text.
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home})
        QTest::keyClick(box, key);
    for (const int delta : {-120, -120, 120}) {
        QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
    }
    EXPECT_TRUE(engine().requests.isEmpty()) << engine().requests.join(u'|').toStdString();
    EXPECT_FALSE(timer(window)->isActive());

    // Typed text equal to an entry is taken up when the box loses focus, without opening it.
    box->lineEdit()->setText(browser::AddressList::presets()[4]);
    window.findChild<QToolButton *>("Back")->setFocus();
    box->setFocus();
    EXPECT_TRUE(engine().requests.isEmpty()) << engine().requests.join(u'|').toStdString();

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(engine().requests, QStringList{QStringLiteral("navigate ") + browser::AddressList::presets()[4]});

    // A pick from the opened list, by keys in the list.
    box->showPopup();
    QTest::keyClick(box->view(), Qt::Key_Down);
    QTest::keyClick(box->view(), Qt::Key_Return);
    ASSERT_EQ(engine().requests.size(), 2);
    EXPECT_EQ(engine().requests[1], QStringLiteral("navigate ") + box->currentText());
}

TEST_F(FrmBrowserTest, TabReachesTheToolBarAndTheUsualKeysWork)
{
    FrmBrowser &window = open();
    QApplication::setActiveWindow(&window);
    QComboBox *box = addressBox(window);
    box->setFocus();
    QStringList reached;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
        if (QApplication::focusWidget() == box)
            break;
    }
    EXPECT_EQ(reached, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search", "cboAddress"}));
    // A focused button is pressed with the space bar.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(engine().requests, QStringList{QStringLiteral("navigate ") + browser::AddressList::searchPage()});

    engine().requests.clear();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Left, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_F5);
    QTest::keyClick(box, Qt::Key_Home, Qt::AltModifier);
    EXPECT_TRUE(timer(window)->isActive());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(timer(window)->isActive());
    EXPECT_EQ(engine().requests, (QStringList{"back", "forward", "reload",
                                              QStringLiteral("navigate ") + browser::AddressList::homePage(), "stop"}));

    // Ctrl+L: to the address box, its text selected for typing over.
    box->lineEdit()->setText("example.org/typed");
    window.findChild<QToolButton *>("Home")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->lineEdit()->selectedText(), "example.org/typed");
}

TEST_F(FrmBrowserTest, OpensLargeWithinTheScreenAndKeepsTheSizeGiven)
{
    FrmBrowser &window = open();
    const QRect screen = window.screen()->availableGeometry();
    // 1024 x 700, or the whole free area of a smaller screen.
    EXPECT_TRUE(window.width() >= 1024 || window.frameGeometry().width() == screen.width()) << window.width();
    EXPECT_TRUE(window.height() >= 700 || window.frameGeometry().height() == screen.height()) << window.height();
    EXPECT_TRUE(screen.contains(window.frameGeometry())) << window.frameGeometry().width();
    // The page fills the larger window.
    EXPECT_GT(window.webView()->width(), window.width() * 9 / 10);

    const QSize given(screen.width() * 3 / 4, screen.height() * 3 / 4);
    window.resize(given);
    window.close();
    EXPECT_EQ(open().size(), given);

    // Kept also when the program ends with the window open.
    const QSize later(screen.width() * 2 / 3, screen.height() * 2 / 3);
    window.resize(later);
    ui::WindowRegistry::clear();
    EXPECT_EQ(open().size(), later);
}

TEST_F(FrmBrowserTest, AJavascriptAddressIsRefusedWithAWord)
{
    auto dialogs = testing_support::ScriptedDialogs::install();
    FrmBrowser &window = open("http://example.org/");
    engine().arrive(QUrl("http://example.org/"), "Example");
    QTRY_VERIFY(!timer(window)->isActive());
    engine().requests.clear();

    for (const char *typed : {"javascript:document.title='x'", " JavaScript:void(0)"}) {
        addressBox(window)->lineEdit()->setText(typed);
        QTest::keyClick(addressBox(window), Qt::Key_Return);
    }
    EXPECT_TRUE(engine().requests.isEmpty());
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_TRUE(dialogs->messages[0].text.contains("\"javascript:\"")) << dialogs->messages[0].text.toStdString();
    EXPECT_FALSE(timer(window)->isActive());
    EXPECT_EQ(window.windowTitle(), "Example");
}

} // namespace
