#include "rss/fediverse/AnnounceSummary.h"

#include <QCoreApplication>

namespace rss::fediverse {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("rss::fediverse::AnnounceSummary", text);
}

} // namespace

QString shownTitle(const RssItem &item)
{
    const QString title = item.title.simplified();
    return title.isEmpty() ? item.link : QStringLiteral("\"%1\"").arg(title);
}

QString AnnounceSummary::message() const
{
    QString text;
    if (!posted.isEmpty())
        text += tr("Posted: %1").arg(posted.join(QStringLiteral(", "))) + QLatin1Char('\n');
    else
        text += tr("Nothing was posted.") + QLatin1Char('\n');
    if (!notPosted.isEmpty())
        text += tr("Not posted:\n%1").arg(notPosted.join(QLatin1Char('\n'))) + QLatin1Char('\n');
    if (!stoppedBecause.isEmpty())
        text += stoppedBecause + QLatin1Char('\n');
    return text.trimmed();
}

} // namespace rss::fediverse
