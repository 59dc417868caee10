#include "rss/FeedStamps.h"

#include "base/Error.h"
#include "rss/ShownValue.h"

#include <QTime>

namespace rss {

namespace {

constexpr const char *DayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr const char *MonthNames[]
    = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The tag's date: fixed, so that an id never changes; the program's first feeds with
// ids were written in that year.
constexpr const char *TagDate = "2026";

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

// "+0100" for RSS, "+01:00" (or "Z") for Atom.
QString offsetText(int offsetSeconds, bool withColon)
{
    const int minutes = (offsetSeconds < 0 ? -offsetSeconds : offsetSeconds) / 60;
    return (offsetSeconds < 0 ? u'-' : u'+') + twoDigits(minutes / 60) + (withColon ? QStringLiteral(":") : QString())
           + twoDigits(minutes % 60);
}

QString clockText(const QTime &time)
{
    return twoDigits(time.hour()) + u':' + twoDigits(time.minute()) + u':' + twoDigits(time.second());
}

QString yearText(int year)
{
    return QString::number(year).rightJustified(4, u'0');
}

QString tagAuthority(const QUrl &site)
{
    return QString::fromLatin1(QUrl::toAce(site.host().toLower())) + u',' + QLatin1String(TagDate);
}

} // namespace

QString rfc822Date(const QDateTime &moment)
{
    const QDate day = moment.date();
    return QLatin1String(DayNames[day.dayOfWeek() - 1]) + QStringLiteral(", ") + twoDigits(day.day()) + u' '
           + QLatin1String(MonthNames[day.month() - 1]) + u' ' + yearText(day.year()) + u' ' + clockText(moment.time())
           + u' ' + offsetText(moment.offsetFromUtc(), false);
}

QString rfc3339Date(const QDateTime &moment)
{
    const QDate day = moment.date();
    const int offset = moment.offsetFromUtc();
    return yearText(day.year()) + u'-' + twoDigits(day.month()) + u'-' + twoDigits(day.day()) + u'T'
           + clockText(moment.time()) + (offset == 0 ? QStringLiteral("Z") : offsetText(offset, true));
}

QDateTime startOfDay(QDate day, const QTimeZone &zone)
{
    return day.startOfDay(zone);
}

QUrl feedSiteAddress(const QString &webSiteUrl)
{
    const QString typed = webSiteUrl.trimmed();
    QUrl site(typed, QUrl::StrictMode);
    if (site.scheme().isEmpty() || (site.host().isEmpty() && !typed.contains(QStringLiteral("://"))))
        site = QUrl(QStringLiteral("http://") + typed, QUrl::StrictMode);
    if (!site.isValid() || site.host().isEmpty() || QUrl::toAce(site.host()).isEmpty())
        throw base::Error(QStringLiteral("The web site URL \"%1\" names no host, so the feed's ids and links cannot be "
                                         "made. Enter the site's address (such as https://www.example.com) with "
                                         "Company Information > Web Site URL, or choose Feed Format > RSS 0.91.")
                              .arg(shownValue(typed)));
    site.setQuery(QString());
    site.setFragment(QString());
    site.setUserInfo(QString());
    return site;
}

QString selfLink(const QUrl &site, const QString &fileName)
{
    QUrl link = site;
    // Decoded both ways, so that a name holding "%20" is that name and not a space.
    QString path = link.path(QUrl::FullyDecoded);
    if (!path.endsWith(u'/'))
        path += u'/';
    link.setPath(path + fileName, QUrl::DecodedMode);
    return link.toString(QUrl::FullyEncoded);
}

QString feedTagId(const QUrl &site)
{
    return QStringLiteral("tag:") + tagAuthority(site) + QStringLiteral(":feed");
}

QString itemTagId(const QUrl &site, const QString &itemKey)
{
    return QStringLiteral("tag:") + tagAuthority(site) + QStringLiteral(":item-") + itemKey.trimmed();
}

} // namespace rss
