#pragma once

#include "rss/FeedFormat.h"
#include "rss/PublishingSettings.h"
#include "rss/RssItem.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <vector>

namespace rss {

// Text between tags with &, < and > escaped, characters XML cannot carry dropped and
// line breaks written as CR LF, so the file is well-formed whatever was typed.
QString escapeXmlText(const QString &text);
// The same for a value between double quotes, whose quotes and line breaks are
// written as references so that they survive as typed.
QString escapeXmlAttribute(const QString &text);

// The RSS 0.91 feed of the channel in the settings and the items, in order, as UTF-8
// lines ended by CR LF.
QByteArray feedBytes(const PublishingSettings &channel, const std::vector<RssItem> &items);

// What a feed carries besides the channel and its items: the format, the name it is
// published under (the self link), when it was written, and the zone whose days the
// items' dates added are.
struct FeedEdition
{
    FeedFormat format = FeedFormat::Rss091;
    QString fileName;
    QDateTime built;
    QTimeZone zone;
};

// The feed in the edition's format. RSS 2.0 and Atom 1.0 throw base::Error when the
// web site names no host, for their ids and self link are made from it.
QByteArray feedBytes(const PublishingSettings &channel, const std::vector<RssItem> &items, const FeedEdition &edition);

// Writes the feed to a temporary file beside path and renames it over path, so a
// failed write leaves nothing half-written there. Throws base::FileError naming the
// file and the reason.
// The edition is written now, here, under path's file name.
void writeFeed(const QString &path, const PublishingSettings &channel, const std::vector<RssItem> &items,
               FeedFormat format = FeedFormat::Rss091);

} // namespace rss
