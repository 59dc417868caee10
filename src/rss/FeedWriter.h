#pragma once

#include "rss/PublishingSettings.h"
#include "rss/RssItem.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace rss {

// Text between tags with &, < and > escaped, characters XML cannot carry dropped and
// line breaks written as CR LF, so the file is well-formed whatever was typed.
QString escapeXmlText(const QString &text);

// The RSS 0.91 feed of the channel in the settings and the items, in order, as UTF-8
// lines ended by CR LF.
QByteArray feedBytes(const PublishingSettings &channel, const std::vector<RssItem> &items);

// Writes the feed to a temporary file beside path and renames it over path, so a
// failed write leaves nothing half-written there. Throws base::FileError naming the
// file and the reason.
void writeFeed(const QString &path, const PublishingSettings &channel, const std::vector<RssItem> &items);

} // namespace rss
