// What the web view does with a file a link leads to, over a fake engine.
#include "browser/ui/WebView.h"
#include "support/ui_FakeEngines.h"
#include "support/ui_ScriptedDialogs.h"

#include <QDir>
#include <QStandardPaths>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using browser::WebView;
using testing_support::FakeWebEngine;
using testing_support::ScriptedDialogs;

namespace {

class WebViewDownload : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view.reset(WebView::create(&window));
        engine_ = engines.latest;
    }

    // Members go in reverse: the view before its window and its engine factory.
    testing_support::FakeEngines engines;
    ScriptedDialogs::Guard dialogs = ScriptedDialogs::install();
    QWidget window;
    std::unique_ptr<WebView> view;
    FakeWebEngine *engine_ = nullptr;
};

TEST_F(WebViewDownload, AsksWhereToSaveStartingFromTheFileName)
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const struct
    {
        QString url;
        QString suggested;
        QString start;
    } cases[] = {
        {"http://127.0.0.1/forms/get?id=4", "ss-4.pdf", "ss-4.pdf"},
        {"http://127.0.0.1/forms/f1040.pdf", QString(), "f1040.pdf"},
        {"http://127.0.0.1/", QString(), "download"},
    };
    for (const auto &c : cases) {
        dialogs->fileNames.push_back(QStringLiteral("/chosen/") + c.start);
        EXPECT_EQ(engine_->offerDownload(QUrl(c.url), c.suggested), QStringLiteral("/chosen/") + c.start);
        EXPECT_EQ(dialogs->fileDialogStarts.last(), downloads.isEmpty() ? c.start : QDir(downloads).filePath(c.start));
    }
    // Cancelled: the file is let go, without further words.
    EXPECT_EQ(engine_->offerDownload(QUrl("http://127.0.0.1/a.zip"), "a.zip"), QString());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(WebViewDownload, SaysHowTheDownloadEndedAndOffersTheDesktopsProgram)
{
    const QString path = "/home/ann/Downloads/form.pdf";
    dialogs->answers = {ui::Dialogs::Answer::No, ui::Dialogs::Answer::Yes};
    engine_->finishDownload(path);
    engine_->finishDownload(path);
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(path)) << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(dialogs->messages[0].buttons, ui::Dialogs::Buttons::YesNo);
    ASSERT_EQ(dialogs->openedUrls.size(), 1u);
    EXPECT_EQ(dialogs->openedUrls[0], QUrl::fromLocalFile(path));

    engine_->finishDownload(path, "Insufficient permissions");
    ASSERT_EQ(dialogs->messages.size(), 3u);
    EXPECT_EQ(dialogs->messages[2].buttons, ui::Dialogs::Buttons::Ok);
    EXPECT_TRUE(dialogs->messages[2].text.contains(path));
    EXPECT_TRUE(dialogs->messages[2].text.contains("Insufficient permissions"));
    EXPECT_EQ(dialogs->openedUrls.size(), 1u);
}

} // namespace
