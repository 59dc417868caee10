#pragma once

#include "rss/RssItem.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace rss::bluesky {

// What Bluesky counts a post against: graphemes, what a reader sees as one character
// (an emoji with its modifiers, a letter with its combining accents).
// The text is also held to 3000 bytes of UTF-8, which long emoji sequences could pass.
constexpr int MaxGraphemes = 300;
constexpr int MaxBytes = 3000;

int graphemeCount(const QString &text);
// What a post's text counts against MaxGraphemes: its graphemes, or a tenth of its
// UTF-8 bytes when that is more, so that both limits hold at once.
int postLength(const QString &text);

// The post's text as the fediverse gets it (title, blank line, link, description cut at
// a word with "…"), measured in graphemes; the link is never cut.
struct PostText
{
    QString text;
    QString link;
    // Where the link lies in the text's UTF-8 bytes, as a facet names it; -1 without one.
    qsizetype byteStart = -1;
    qsizetype byteEnd = -1;
};

PostText postText(const RssItem &item);

// The app.bsky.feed.post record: text, creation time (UTC), and the link as a link facet
// so that it can be clicked.
QJsonObject postRecord(const PostText &post, const QDateTime &createdAt);

// Whether a stored post record is this item's post: it carries the link (in a link facet
// or the text) and begins as the post made from the item does.
bool isPostOf(const QJsonObject &record, const PostText &post);

} // namespace rss::bluesky
