#pragma once

#include "rss/FeedWriter.h"

namespace rss {

// The feeds whose items carry a permanent id and a date: RSS 2.0 (guid, pubDate, an
// atom:link to itself) and Atom 1.0. An item without a date added has no pubDate in
// RSS 2.0 (it is optional there) and the feed's build date as its Atom updated (which
// Atom requires); readers know it by its id all the same. Both throw base::Error when
// the web site names no host.
QByteArray rss20Bytes(const PublishingSettings &channel, const std::vector<RssItem> &items, const FeedEdition &edition);
QByteArray atomBytes(const PublishingSettings &channel, const std::vector<RssItem> &items, const FeedEdition &edition);

} // namespace rss
