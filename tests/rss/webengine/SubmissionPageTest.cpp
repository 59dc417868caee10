// Submission mode with the real web engine: a directory entry opens its page inside
// the publishing window.
#include "browser/ui/WebView.h"
#include "browser/webengine/LocalSite.h"
#include "rss/ui/FrmRssGenerator.h"
#include "support/TempFolder.h"
#include "support/ui_ScriptedDialogs.h"
#include "ui/WindowRegistry.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int LoadWait = 30000;

TEST(SubmissionPage, ADirectoryEntryOpensInTheEmbeddedBrowser)
{
    browser_testing::LocalSite site;
    site.addPage(QStringLiteral("submit.html"), QStringLiteral("Submit your feed"));
    ASSERT_TRUE(site.start());
    testing_support::TempProgramFolder folder;
    auto dialogs = testing_support::ScriptedDialogs::install();
    {
        QFile list(folder.filePath(QStringLiteral("urlNames.txt")));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write(site.address(QStringLiteral("submit.html")).toUtf8() + "\r\nhttp://second.test/add\r\n");
    }

    auto &window = ui::WindowRegistry::get<rss::FrmRssGenerator>();
    window.showWindow();
    window.findChild<QAction *>(QStringLiteral("mnuSubmitRssFile"))->trigger();
    ASSERT_NE(window.webView(), nullptr) << (dialogs->messages.empty() ? std::string()
                                                                       : dialogs->messages[0].text.toStdString());
    QSignalSpy finished(window.webView(), &browser::WebView::loadFinished);
    auto *directories = window.findChild<QListWidget *>(QStringLiteral("List1"));
    QTest::mouseClick(directories->viewport(), Qt::LeftButton, {},
                      directories->visualItemRect(directories->item(0)).center());
    ASSERT_TRUE(finished.wait(LoadWait));
    EXPECT_EQ(window.webView()->url().toString(), site.address(QStringLiteral("submit.html")));
    QTRY_COMPARE_WITH_TIMEOUT(window.webView()->title(), QStringLiteral("Submit your feed"), LoadWait);
    EXPECT_TRUE(dialogs->openedUrls.empty());
    ui::WindowRegistry::clear();
}

} // namespace
