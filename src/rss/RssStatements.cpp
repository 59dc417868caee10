#include "rss/RssStatements.h"

#include <QStringBuilder>

namespace rss {

QString QuoteSqlText(const QString &text)
{
    return u'\'' % QString(text).replace(u'\'', QLatin1String("''")) % u'\'';
}

QString insertItemStatement(const QString &title, const QString &link, const QString &description)
{
    return QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, RssFeedDescription) "
                          "values  (")
           % QuoteSqlText(title) % QLatin1String(", ") % QuoteSqlText(link) % QLatin1String(", ")
           % QuoteSqlText(description) % u')';
}

QString updateItemStatement(const QString &itemId, const QString &title, const QString &link,
                            const QString &description)
{
    return QStringLiteral("UPDATE Tbl_Rss_Feed_Items SET Tbl_Rss_Feed_Items.RssFeedItemTitle = ") % QuoteSqlText(title)
           % QLatin1String(", Tbl_Rss_Feed_Items.RssFeedItemLink = ") % QuoteSqlText(link)
           % QLatin1String(", Tbl_Rss_Feed_Items.RssFeedDescription = ") % QuoteSqlText(description)
           % QLatin1String("  WHERE (((Tbl_Rss_Feed_Items.RssFeedItemId)=") % itemId % QLatin1String("));");
}

QString deleteItemStatement(const QString &itemId)
{
    return QStringLiteral("DELETE Tbl_Rss_Feed_Items.RssFeedItemId From Tbl_Rss_Feed_Items WHERE "
                          "(((Tbl_Rss_Feed_Items.RssFeedItemId)=")
           % itemId % QLatin1String("));");
}

} // namespace rss
