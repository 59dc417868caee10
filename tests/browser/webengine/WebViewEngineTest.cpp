// The web view with the real engine, against pages served on 127.0.0.1.
#include "LocalSite.h"
#include "browser/ui/WebView.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using browser::WebView;
using browser_testing::LocalSite;

namespace {

constexpr int LoadWait = 30000;

TEST(WebViewEngine, OpensAnAddressWithoutSchemeAndReportsItsTitleAndAddress)
{
    LocalSite site;
    site.addPage("first.html", "First page");
    ASSERT_TRUE(site.start());
    QWidget window;
    std::unique_ptr<WebView> view(WebView::create(&window));
    window.resize(640, 480);
    view->resize(640, 480);
    window.show();
    QSignalSpy finished(view.get(), &WebView::loadFinished);
    QSignalSpy started(view.get(), &WebView::loadStarted);

    const QString withoutScheme = site.address("first.html").mid(7);
    view->navigate(withoutScheme);
    EXPECT_TRUE(view->isLoading());
    ASSERT_TRUE(finished.wait(LoadWait));
    EXPECT_TRUE(finished.first().first().toBool());
    EXPECT_GE(started.count(), 1);
    EXPECT_FALSE(view->isLoading());
    EXPECT_EQ(view->url().toString(), site.address("first.html"));
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("First page"), LoadWait);
}

} // namespace
