#include "browser/WebAddress.h"
#include "base/Error.h"

#include <gtest/gtest.h>

using browser::webAddress;

namespace {

TEST(WebAddress, PutsHttpInFrontOfAHostOrHostWithPort)
{
    EXPECT_EQ(webAddress("www.sba.gov").toString(), "http://www.sba.gov");
    EXPECT_EQ(webAddress("  www.usa.gov/business ").toString(), "http://www.usa.gov/business");
    // A port after the host is not a scheme named after the host.
    EXPECT_EQ(webAddress("localhost:8080/page").toString(), "http://localhost:8080/page");
    EXPECT_EQ(webAddress("127.0.0.1:8000").toString(), "http://127.0.0.1:8000");
}

TEST(WebAddress, KeepsTheSchemeGiven)
{
    EXPECT_EQ(webAddress("https://www.irs.gov/").toString(), "https://www.irs.gov/");
    EXPECT_EQ(webAddress("HTTP://example.com").scheme(), "http");
    EXPECT_EQ(webAddress("about:blank").toString(), "about:blank");
}

TEST(WebAddress, RefusesWhatCannotBeAnAddress)
{
    EXPECT_THROW(webAddress(QString()), base::Error);
    EXPECT_THROW(webAddress("   "), base::Error);
    try {
        webAddress("http://exa mple.com");
        FAIL() << "an address with a space in its host was accepted";
    } catch (const base::Error &error) {
        EXPECT_TRUE(error.description().contains("exa mple.com")) << error.what();
    }
}

TEST(WebAddress, RefusesScriptAddressesWithTheReason)
{
    for (const QString &typed : {QStringLiteral("javascript:alert(1)"), QStringLiteral("  JavaScript:void(0) "),
                                 QStringLiteral("JAVASCRIPT://%0aalert(1)")}) {
        const QString reason = browser::refusalOf(typed);
        EXPECT_TRUE(reason.contains("\"javascript:\"")) << typed.toStdString();
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
    const QUrl url = webAddress("data:text/html,<title>Typed page</title><p>Hello world</p>");
    EXPECT_EQ(url.scheme(), "data");
    EXPECT_EQ(url.path(), "text/html,<title>Typed page</title><p>Hello world</p>");
}

} // namespace
