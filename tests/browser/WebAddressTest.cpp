#include "browser/WebAddress.h"
#include "base/Error.h"

#include <gtest/gtest.h>

using browser::webAddress;

namespace {

TEST(WebAddress, PutsHttpInFrontOfAHostOrHostWithPort)
{
    EXPECT_EQ(webAddress(QStringLiteral("www.sba.gov")).toString(), QStringLiteral("http://www.sba.gov"));
    EXPECT_EQ(webAddress(QStringLiteral("  www.usa.gov/business ")).toString(),
              QStringLiteral("http://www.usa.gov/business"));
    // A port after the host is not a scheme named after the host.
    EXPECT_EQ(webAddress(QStringLiteral("localhost:8080/page")).toString(),
              QStringLiteral("http://localhost:8080/page"));
    EXPECT_EQ(webAddress(QStringLiteral("127.0.0.1:8000")).toString(), QStringLiteral("http://127.0.0.1:8000"));
}

TEST(WebAddress, KeepsTheSchemeGiven)
{
    EXPECT_EQ(webAddress(QStringLiteral("https://www.irs.gov/")).toString(), QStringLiteral("https://www.irs.gov/"));
    EXPECT_EQ(webAddress(QStringLiteral("HTTP://example.com")).scheme(), QStringLiteral("http"));
    EXPECT_EQ(webAddress(QStringLiteral("about:blank")).toString(), QStringLiteral("about:blank"));
}

TEST(WebAddress, RefusesWhatCannotBeAnAddress)
{
    EXPECT_THROW(webAddress(QString()), base::Error);
    EXPECT_THROW(webAddress(QStringLiteral("   ")), base::Error);
    try {
        webAddress(QStringLiteral("http://exa mple.com"));
        FAIL() << "an address with a space in its host was accepted";
    } catch (const base::Error &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("exa mple.com"))) << error.what();
    }
}

TEST(WebAddress, RefusesScriptAddressesWithTheReason)
{
    for (const QString &typed : {QStringLiteral("javascript:alert(1)"), QStringLiteral("  JavaScript:void(0) "),
                                 QStringLiteral("JAVASCRIPT://%0aalert(1)")}) {
        const QString reason = browser::refusalOf(typed);
        EXPECT_TRUE(reason.contains(QStringLiteral("\"javascript:\""))) << typed.toStdString();
        try {
            webAddress(typed);
            ADD_FAILURE() << "opened " << typed.toStdString();
        } catch (const base::Error &error) {
            EXPECT_EQ(error.description(), reason);
        }
    }
    // Only the scheme counts: a host or path with the word in it is an address.
    for (const QString &typed :
         {QStringLiteral("javascript.info/intro"), QStringLiteral("http://example.org/javascript:x"),
          QStringLiteral("javascript:8080/page")})
        EXPECT_TRUE(browser::refusalOf(typed).isEmpty()) << typed.toStdString();
}

TEST(WebAddress, ADataAddressIsTakenWithItsMarkup)
{
    const QUrl url = webAddress(QStringLiteral("data:text/html,<title>Typed page</title><p>Hello world</p>"));
    EXPECT_EQ(url.scheme(), QStringLiteral("data"));
    EXPECT_EQ(url.path(), QStringLiteral("text/html,<title>Typed page</title><p>Hello world</p>"));
}

} // namespace
