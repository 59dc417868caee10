#include "browser/AddressList.h"

namespace browser {

const QStringList &AddressList::presets()
{
    // Government pages first (federal, state, county, city), then a university's
    // international-business desk, then commercial collections of government
    // resources and loans. Three start with the host name, as people type them.
    static const QStringList addresses{
        QStringLiteral("www.sba.gov"),
        QStringLiteral("www.usa.gov/business"),
        QStringLiteral("https://www.irs.gov/businesses/small-businesses-self-employed"),
        QStringLiteral("www.sba.gov/business-guide/plan-your-business/write-your-business-plan"),
        QStringLiteral("https://www.census.gov/topics/business-economy.html"),
        QStringLiteral("https://www.trade.gov/"),
        QStringLiteral("https://www.sbir.gov/"),
        QStringLiteral("https://www.uspto.gov/trademarks"),
        QStringLiteral("https://www.ftc.gov/business-guidance"),
        QStringLiteral("https://www.osha.gov/smallbusiness"),
        QStringLiteral("https://business.ca.gov/"),
        QStringLiteral("https://www.ca.gov/"),
        QStringLiteral("https://www.ny.gov/"),
        QStringLiteral("https://www.texas.gov/"),
        QStringLiteral("https://comptroller.texas.gov/taxes/"),
        QStringLiteral("https://www.lacounty.gov/business/"),
        QStringLiteral("https://www.cookcountyil.gov/"),
        QStringLiteral("https://www.nyc.gov/site/sbs/index.page"),
        QStringLiteral("https://www.chicago.gov/city/en/depts/bacp.html"),
        QStringLiteral("https://globaledge.msu.edu/"),
        QStringLiteral("https://www.nerdwallet.com/article/small-business/sba-loans"),
        QStringLiteral("https://www.lendingtree.com/business/sba/"),
        QStringLiteral("https://www.fundera.com/business-loans/sba-loans"),
        QStringLiteral("https://www.nav.com/"),
        QStringLiteral("https://www.allbusiness.com/"),
    };
    return addresses;
}

QString AddressList::homePage()
{
    return QStringLiteral("https://www.sba.gov/");
}

QString AddressList::searchPage()
{
    return QStringLiteral("https://duckduckgo.com/");
}

QStringList AddressList::afterVisit(QStringList entries, const QString &current)
{
    const qsizetype match = entries.indexOf(current);
    if (match >= 0)
        entries.removeAt(match);
    entries.prepend(current);
    return entries;
}

} // namespace browser
