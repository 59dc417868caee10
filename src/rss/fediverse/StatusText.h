#pragma once

#include "rss/RssItem.h"

#include <QString>

#include <functional>

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

// How a network measures a post's length.
using PostLength = std::function<int(const QString &text)>;

struct ComposedPost
{
    QString text;
    qsizetype linkStart = -1; // where the link begins in text (UTF-16 units); -1 without one
    qsizetype linkLength = 0;
};

// The post statusText() makes, for any measure and limit.
ComposedPost composePost(const RssItem &item, int maxLength, const PostLength &length);

} // namespace rss::fediverse
