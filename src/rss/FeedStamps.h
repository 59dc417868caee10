#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QUrl>

namespace rss {

// Dates as feeds write them, in English whatever the desktop's language: RFC 822 with
// a four-digit year for RSS ("Tue, 08 Dec 2026 09:30:00 +0100"), RFC 3339 for Atom
// ("2026-12-08T09:30:00+01:00"). Seconds of a zone's offset are dropped.
QString rfc822Date(const QDateTime &moment);
QString rfc3339Date(const QDateTime &moment);

// An item's date added is a day: its feed date is the start of that day where the
// program runs.
QDateTime startOfDay(QDate day, const QTimeZone &zone);

// The web site as an address: what was typed, with http:// in front when it names no
// scheme. Invalid, or an address without a host (empty, file:, a bare path): throws
// base::Error saying what to set, for a feed's ids and links need the site's host.
QUrl feedSiteAddress(const QString &webSiteUrl);

// Where the feed is published: the site's folder with the file's name after it.
QString selfLink(const QUrl &site, const QString &fileName);

// Ids that stay the same on every write: a tag: URI from the site's host (lower case,
// international names in their ASCII form) and, for an item, its key.
QString feedTagId(const QUrl &site);
QString itemTagId(const QUrl &site, const QString &itemKey);

} // namespace rss
