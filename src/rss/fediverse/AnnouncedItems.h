#pragma once

#include "rss/RssItem.h"

#include <QHash>
#include <QList>
#include <QString>

namespace rss::fediverse {

// One post that announced an item.
struct AnnouncedPost
{
    QString network; // "fediverse", "bluesky"
    QString address; // the post's web address
};

// Where items of Rss.db were announced, one record per item and network ("fediverse",
// ...), with the post's address. Each call opens and closes its own connection and
// brings an older Rss.db up to date first. Failures throw db::DbError naming the file.
class AnnouncedItems
{
public:
    // Items not yet announced on that network, oldest (lowest key) first.
    static QList<RssItem> notYetAnnounced(const QString &network);
    // Item key -> post address, for every item announced on that network.
    static QHash<QString, QString> announcedOn(const QString &network);
    // Item key -> its posts on every network, in the order they were made.
    static QHash<QString, QList<AnnouncedPost>> everywhere();
    // A network as the user reads it: "Fediverse", "Bluesky".
    static QString networkCaption(const QString &network);
    static void mark(const QString &itemId, const QString &network, const QString &postAddress);
    // Names the database, so that the same item gets the same idempotency key from it.
    static QString databaseIdentity();
};

} // namespace rss::fediverse
