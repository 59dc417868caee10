#pragma once

#include "rss/RssItem.h"

#include <QString>

namespace rss::fediverse {

// What the server counts a post against.
struct StatusLimits
{
    int maxCharacters = 500;
    int charactersPerUrl = 23; // every web address counts as this many
};

// The length the server counts: code points (an emoji is one, not two UTF-16 units),
// each web address as limits.charactersPerUrl.
int countedLength(const QString &text, const StatusLimits &limits);

// The title, a blank line and the link, then as much of the description as fits, cut
// after a whole word with "…". The link is never cut; a title too long to leave room
// for it is cut instead.
QString statusText(const RssItem &item, const StatusLimits &limits);

} // namespace rss::fediverse
