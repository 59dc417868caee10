// The web-API requests of the fediverse and Bluesky clients, against a peer that
// misbehaves on purpose (tests/rss/servers/http_peer.py).
#include "rss/HttpExchange.h"
#include "LocalServer.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using rss::HttpExchange;
using rss::TransferResult;
using testing_support::LocalServer;
using testing_support::waitUntil;
using Ending = rss::HttpExchange::Ending;

namespace {

class HttpExchangeTest : public ::testing::Test
{
protected:
    HttpExchangeTest()
        : m_peer(QStringLiteral("http_peer.py"), {})
    {
        m_http.setTimeout(std::chrono::seconds(1));
    }

    QUrl at(const char *path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_peer.port()).arg(QLatin1String(path)));
    }

    TransferResult get(const char *path)
    {
        std::optional<TransferResult> result;
        m_http.get(at(path), {}, [&](const TransferResult &r) { result = r; });
        EXPECT_TRUE(waitUntil([&] { return result.has_value(); }));
        return result.value_or(TransferResult{});
    }

    int reached(const char *path)
    {
        return QJsonDocument::fromJson(get("/test/counts").body).object().value(QLatin1String(path)).toInt();
    }

    LocalServer m_peer;
    HttpExchange m_http;
};

TEST_F(HttpExchangeTest, RepliesAreTakenAsTheyCome)
{
    struct Case
    {
        const char *path;
        Ending ending;
        long status;
    };
    const Case cases[] = {
        {"/redirect", Ending::Answered, 302}, // the answer, never followed
        {"/huge", Ending::TooLarge, 200},
        {"/trickle", Ending::Answered, 200}, // longer than the time-out, but never quiet that long
        {"/hang", Ending::TimedOut, 0},
    };
    for (const Case &c : cases) {
        const TransferResult result = get(c.path);
        EXPECT_EQ(HttpExchange::endingOf(result), c.ending) << c.path << ": " << result.detail.toStdString();
        EXPECT_EQ(result.responseCode, c.status) << c.path;
        EXPECT_LE(result.body.size(), HttpExchange::MaxReplyBytes) << c.path;
    }
    EXPECT_EQ(get("/redirect").header("location"), QByteArray("/stolen"));
    EXPECT_EQ(reached("/stolen"), 0);
}

// A form reader takes a bare '+' for a space.
TEST(HttpExchange, AFormBodyEscapesEveryByteButTheUnreservedOnes)
{
    const QByteArray form = HttpExchange::formBody(
        {{QStringLiteral("status"), QStringLiteral("C++ & 1+1=2 100% caf\u00e9")}, {QStringLiteral("a b"), {}}});
    EXPECT_EQ(form, QByteArray("status=C%2B%2B%20%26%201%2B1%3D2%20100%25%20caf%C3%A9&a%20b="));
}

TEST_F(HttpExchangeTest, StopEndsEveryRequestInFlightAndDestroyingReportsNone)
{
    m_http.setTimeout(std::chrono::seconds(30));
    QList<Ending> endings;
    for (int i = 0; i < 2; ++i)
        m_http.get(at("/hang"), {}, [&](const TransferResult &r) { endings << HttpExchange::endingOf(r); });
    EXPECT_EQ(m_http.running(), 2);
    m_http.stop();
    ASSERT_TRUE(waitUntil([&] { return endings.size() == 2; }));
    EXPECT_EQ(endings, (QList<Ending>{Ending::Stopped, Ending::Stopped}));
    EXPECT_EQ(m_http.running(), 0);

    bool reported = false;
    {
        HttpExchange gone;
        gone.get(at("/hang"), {}, [&](const TransferResult &) { reported = true; });
    }
    EXPECT_EQ(get("/test/counts").responseCode, 200); // the loop ran on after it
    EXPECT_FALSE(reported);
}

} // namespace
