#pragma once

#include "rss/RssItem.h"

#include <QString>
#include <QStringList>

namespace rss::fediverse {

// How an announcing run ended, item by item, on whichever network.
struct AnnounceSummary
{
    QStringList posted;     // titles
    QStringList notPosted;  // "title: why"
    QString stoppedBecause; // empty when every item was tried

    QString message() const;
};

// The item as the closing message names it: its title in quotes, or its link.
QString shownTitle(const RssItem &item);

} // namespace rss::fediverse
