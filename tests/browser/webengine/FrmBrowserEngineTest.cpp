// The resource browser with the real web engine, against pages served on 127.0.0.1.
#include "LocalSite.h"
#include "browser/ui/FrmBrowser.h"
#include "browser/ui/WebView.h"
#include "support/Files.h"
#include "support/QStringPrinter.h"
#include "support/ui_ScriptedDialogs.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using browser::FrmBrowser;
using browser_testing::LocalSite;

namespace {

constexpr int LoadWait = 30000;

// Runs the event loop until `done` holds or the wait runs out. (QTest::qWaitFor sleeps
// between its rounds, which starves the engine's many small tasks on this thread.)
bool waitUntil(const std::function<bool()> &done, int wait = LoadWait)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > wait)
            loop.quit();
    });
    poll.start(5);
    if (!done())
        loop.exec();
    return done();
}

// A port on 127.0.0.1 that nothing listens on: one the system just handed out and took back.
int closedPort()
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(socket);
    return port;
}

class FrmBrowserEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        site.addPage("one.html", "Page One", {"two.html"});
        site.addPage("two.html", "Page Two", {"one.html"});
        ASSERT_TRUE(site.start());
    }

    void TearDown() override { ui::WindowRegistry::clear(); }

    FrmBrowser &open(const QString &startingAddress = {})
    {
        FrmBrowser &window = ui::WindowRegistry::get<FrmBrowser>();
        QObject::connect(&window, &QWidget::windowTitleChanged, &window,
                         [this](const QString &title) { captions << title; });
        window.StartingAddress = startingAddress;
        window.resize(900, 640);
        window.showWindow();
        return window;
    }

    static QComboBox *addressBox(FrmBrowser &window) { return window.findChild<QComboBox *>("cboAddress"); }

    static bool timerRuns(FrmBrowser &window) { return window.findChild<QTimer *>("timTimer")->isActive(); }

    static void press(FrmBrowser &window, const char *key)
    {
        QTest::mouseClick(window.findChild<QToolButton *>(QLatin1String(key)), Qt::LeftButton);
    }

    // Waits until the window has finished loading and shows that caption.
    static bool settlesOn(FrmBrowser &window, const QString &caption)
    {
        return waitUntil([&] { return !timerRuns(window) && window.windowTitle() == caption; });
    }

    static void enter(FrmBrowser &window, const QString &address)
    {
        QComboBox *box = addressBox(window);
        box->lineEdit()->clear();
        QTest::keyClicks(box, address);
        QTest::keyClick(box, Qt::Key_Return);
    }

    LocalSite site;
    QStringList captions;
};

TEST_F(FrmBrowserEngineTest, StartingAddressSaysWorkingThenShowsThePageTitle)
{
    const QString one = site.address("one.html");
    FrmBrowser &window = open(one);
    ASSERT_TRUE(settlesOn(window, "Page One")) << window.windowTitle().toStdString();
    const qsizetype working = captions.indexOf("Working...");
    ASSERT_GE(working, 0) << captions.join(u'|').toStdString();
    EXPECT_EQ(captions.last(), "Page One");
    EXPECT_EQ(window.webView()->url().toString(), one);
    // The engine's address equals the starting address: the entry at the end made room for it at the top.
    EXPECT_EQ(addressBox(window)->count(), 26);
    EXPECT_EQ(addressBox(window)->itemText(0), one);
    EXPECT_EQ(addressBox(window)->currentText(), one);
}

TEST_F(FrmBrowserEngineTest, EnterOpensTheTypedAddressAndVisitsGoToTheTopOfTheList)
{
    FrmBrowser &window = open();
    const QString one = site.address("one.html");
    const QString two = site.address("two.html");
    enter(window, one.mid(7)); // without "http://"
    ASSERT_TRUE(settlesOn(window, "Page One"));
    enter(window, two);
    ASSERT_TRUE(settlesOn(window, "Page Two"));
    enter(window, one);
    ASSERT_TRUE(settlesOn(window, "Page One"));

    QStringList entries;
    for (int i = 0; i < addressBox(window)->count(); ++i)
        entries << addressBox(window)->itemText(i);
    EXPECT_EQ(entries.mid(0, 2), (QStringList{one, two}));
    EXPECT_EQ(entries.size(), 27);
    EXPECT_EQ(entries.count(one), 1);
}

TEST_F(FrmBrowserEngineTest, BackAndForwardAfterTwoVisits)
{
    FrmBrowser &window = open(site.address("one.html"));
    ASSERT_TRUE(settlesOn(window, "Page One"));
    enter(window, site.address("two.html"));
    ASSERT_TRUE(settlesOn(window, "Page Two"));

    press(window, "Back");
    ASSERT_TRUE(settlesOn(window, "Page One")) << window.windowTitle().toStdString();
    EXPECT_EQ(addressBox(window)->itemText(0), site.address("one.html"));
    press(window, "Forward");
    ASSERT_TRUE(settlesOn(window, "Page Two")) << window.windowTitle().toStdString();
    EXPECT_EQ(addressBox(window)->itemText(0), site.address("two.html"));
}

TEST_F(FrmBrowserEngineTest, RefreshLoadsThePageAgain)
{
    FrmBrowser &window = open(site.address("one.html"));
    ASSERT_TRUE(settlesOn(window, "Page One"));
    site.addPage("one.html", "Page One, changed");
    captions.clear();
    press(window, "Refresh");
    ASSERT_TRUE(settlesOn(window, "Page One, changed")) << window.windowTitle().toStdString();
    EXPECT_TRUE(captions.contains("Working...")) << captions.join(u'|').toStdString();
}

TEST_F(FrmBrowserEngineTest, StopEndsALoadInProgress)
{
    FrmBrowser &window = open(site.address("slow"));
    ASSERT_TRUE(waitUntil([&] { return window.windowTitle() == "Working..."; }));
    press(window, "Stop");
    EXPECT_FALSE(timerRuns(window));
    EXPECT_FALSE(window.webView()->isLoading());
    EXPECT_NE(window.windowTitle(), "Working...");
    // The window goes on working.
    enter(window, site.address("two.html"));
    ASSERT_TRUE(settlesOn(window, "Page Two"));
}

TEST_F(FrmBrowserEngineTest, EmptyStartingAddressLoadsNothing)
{
    FrmBrowser &window = open();
    QSignalSpy started(window.webView(), &browser::WebView::loadStarted);
    QTest::qWait(300);
    EXPECT_EQ(started.count(), 0);
    EXPECT_TRUE(window.webView()->url().isEmpty());
    EXPECT_FALSE(timerRuns(window));
    EXPECT_EQ(addressBox(window)->count(), 25);
}

TEST_F(FrmBrowserEngineTest, AnUnreachableAddressLeavesTheWindowUsable)
{
    const int port = closedPort();
    ASSERT_GT(port, 0);

    FrmBrowser &window = open();
    QSignalSpy finished(window.webView(), &browser::WebView::loadFinished);
    enter(window, QStringLiteral("127.0.0.1:%1/nothing.html").arg(port));
    ASSERT_TRUE(finished.wait(LoadWait));
    EXPECT_FALSE(finished.first().first().toBool());
    ASSERT_TRUE(waitUntil([&] { return !timerRuns(window); }));

    enter(window, site.address("one.html"));
    ASSERT_TRUE(settlesOn(window, "Page One"));
}

TEST_F(FrmBrowserEngineTest, ASamePageAddressComesBackToThePageName)
{
    const QString one = site.address("one.html");
    FrmBrowser &window = open(one);
    ASSERT_TRUE(settlesOn(window, "Page One"));
    // The jump has no load of its own; the caption and the timer must not wait for one.
    for (int round = 0; round < 2; ++round) {
        enter(window, one + QStringLiteral("#part"));
        ASSERT_TRUE(settlesOn(window, "Page One"))
            << round << " " << window.windowTitle().toStdString() << " timer " << timerRuns(window);
    }
    EXPECT_EQ(window.webView()->url().toString(), one + QStringLiteral("#part"));
    EXPECT_EQ(addressBox(window)->itemText(0), one + QStringLiteral("#part"));
}

TEST_F(FrmBrowserEngineTest, ALinkForANewWindowOpensInTheSameView)
{
    // The link covers the page, so a click anywhere follows it.
    site.addFile("links.html", "<!DOCTYPE html><html><head><title>Links</title></head><body style=\"margin:0\">"
                               "<a href=\"two.html\" target=\"_blank\" style=\"display:block;width:100%;height:600px\">"
                               "Page Two in a new window</a></body></html>");
    FrmBrowser &window = open(site.address("links.html"));
    ASSERT_TRUE(settlesOn(window, "Links"));
    QWidget *page = window.webView()->findChild<QWidget *>("webEngineView");
    ASSERT_NE(page, nullptr);
    // The engine takes clicks once it has drawn the page; click again until it has.
    for (int attempt = 0; attempt < 20 && window.windowTitle() != "Page Two"; ++attempt) {
        QWidget *target = page->focusProxy() ? page->focusProxy() : page;
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(40, 40));
        waitUntil([&] { return window.windowTitle() == "Page Two"; }, 1500);
    }
    ASSERT_TRUE(settlesOn(window, "Page Two")) << window.windowTitle().toStdString();
    EXPECT_EQ(window.webView()->url().toString(), site.address("two.html"));
    // One window: the way back leads to the page with the link.
    press(window, "Back");
    EXPECT_TRUE(settlesOn(window, "Links"));
}

TEST_F(FrmBrowserEngineTest, AFileALinkLeadsToIsSavedWhereThePersonChooses)
{
    QByteArray pdf("%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\ntrailer << /Root 1 0 R >>\n%%EOF\n");
    QByteArray zip("PK\x05\x06", 4);
    zip.append(QByteArray(18, '\0'));
    site.addFile("form.pdf", pdf);
    site.addFile("forms.zip", zip);
    QTemporaryDir saved;
    auto dialogs = testing_support::ScriptedDialogs::install();

    FrmBrowser &window = open(site.address("one.html"));
    ASSERT_TRUE(settlesOn(window, "Page One"));
    const struct
    {
        QString name;
        QByteArray content;
    } files[] = {{"form.pdf", pdf}, {"forms.zip", zip}};
    for (const auto &file : files) {
        const QString target = QDir(saved.path()).filePath(QStringLiteral("saved-") + file.name);
        dialogs->fileNames.push_back(target);
        const size_t before = dialogs->messages.size();
        enter(window, site.address(file.name));
        ASSERT_TRUE(waitUntil([&] { return dialogs->messages.size() > before; })) << file.name.toStdString();
        EXPECT_TRUE(dialogs->fileDialogStarts.last().endsWith(file.name))
            << dialogs->fileDialogStarts.last().toStdString();
        EXPECT_TRUE(dialogs->messages.back().text.contains(target)) << dialogs->messages.back().text.toStdString();
        QFile landed(target);
        ASSERT_TRUE(landed.open(QIODevice::ReadOnly)) << target.toStdString();
        EXPECT_EQ(landed.readAll(), file.content);
        // The page stays, and the window is not left working.
        EXPECT_TRUE(settlesOn(window, "Page One")) << window.windowTitle().toStdString();
    }

    // Let go: nothing is written.
    enter(window, site.address("form.pdf"));
    ASSERT_TRUE(waitUntil([&] { return dialogs->fileDialogStarts.size() == 3; }));
    EXPECT_TRUE(settlesOn(window, "Page One"));
    EXPECT_EQ(QDir(saved.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(FrmBrowserEngineTest, ALocalPageReadsNoOtherLocalFile)
{
    QTemporaryDir local;
    testing_support::writeFile(local.filePath("secret.txt"), "the owner's notes");
    const QString reader = testing_support::writeFile(
        local.filePath("reader.html"),
        "<!DOCTYPE html><html><head><title>Local page</title><script>"
        "var request = new XMLHttpRequest();"
        "request.onload = function () { document.title = 'Read: ' + request.responseText; };"
        "request.onerror = function () { document.title = 'Refused'; };"
        "request.open('GET', 'secret.txt'); request.send();"
        "</script></head><body></body></html>");

    FrmBrowser &window = open(QUrl::fromLocalFile(reader).toString());
    ASSERT_TRUE(waitUntil([&] {
        return window.windowTitle() == "Refused" || window.windowTitle().startsWith("Read:");
    })) << window.windowTitle().toStdString();
    EXPECT_EQ(window.windowTitle(), "Refused");
}

// The user guide built into the program shows every picture, though a page opened from
// a file may read no other file.
TEST_F(FrmBrowserEngineTest, TheBuiltInUserGuideShowsItsPictures)
{
    FrmBrowser &window = open("qrc:/guide/user-guide.html");
    ASSERT_TRUE(settlesOn(window, "Tallowmere User Guide")) << window.windowTitle().toStdString();
    auto *view = qobject_cast<QWebEngineView *>(window.webView()->findChild<QWidget *>("webEngineView"));
    ASSERT_NE(view, nullptr);
    // "pictures shown incomplete": broken ones count as complete, with no width.
    QString counts;
    const auto count = [&] {
        counts.clear();
        view->page()->runJavaScript(
            "(function () { var all = Array.from(document.images);"
            " return all.length + ' ' + all.filter(function (i) { return i.complete && i.naturalWidth > "
            "0; }).length"
            " + ' ' + all.filter(function (i) { return !i.complete; }).length; })()",
            [&counts](const QVariant &result) { counts = result.toString(); });
        return waitUntil([&] { return !counts.isEmpty(); });
    };
    ASSERT_TRUE(waitUntil([&] { return count() && counts.endsWith(" 0"); })) << counts.toStdString();
    const QStringList numbers = counts.split(u' ');
    ASSERT_EQ(numbers.size(), 3);
    EXPECT_GT(numbers[0].toInt(), 10);
    EXPECT_EQ(numbers[1], numbers[0]) << "pictures shown of those on the page: " << counts.toStdString();
}

TEST_F(FrmBrowserEngineTest, ATypedDataAddressOpens)
{
    FrmBrowser &window = open();
    enter(window, "data:text/html,<title>Typed data</title><p>A page in its address</p>");
    ASSERT_TRUE(settlesOn(window, "Typed data")) << window.windowTitle().toStdString();
}

TEST_F(FrmBrowserEngineTest, TheBrowserKeysWorkWhileThePageHasTheFocus)
{
    FrmBrowser &window = open(site.address("one.html"));
    ASSERT_TRUE(settlesOn(window, "Page One"));
    enter(window, site.address("two.html"));
    ASSERT_TRUE(settlesOn(window, "Page Two"));
    QApplication::setActiveWindow(&window);
    QWidget *page = window.webView()->findChild<QWidget *>("webEngineView");
    ASSERT_NE(page, nullptr);
    QWidget *target = page->focusProxy() ? page->focusProxy() : page;
    target->setFocus();
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == target; }));

    QTest::keyClick(target, Qt::Key_Left, Qt::AltModifier);
    ASSERT_TRUE(settlesOn(window, "Page One")) << window.windowTitle().toStdString();
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Right, Qt::AltModifier);
    ASSERT_TRUE(settlesOn(window, "Page Two")) << window.windowTitle().toStdString();

    target->setFocus();
    QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), addressBox(window));
}

} // namespace
