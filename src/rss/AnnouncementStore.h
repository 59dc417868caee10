#pragma once

#include <QList>
#include <QString>

namespace rss {

// An item not announced yet, as the announcement reads it from Rss.db.
struct AnnouncementItem
{
    int id = 0;
    QString title;
    QString description;
    bool hasDescription = false; // false: the description is Null
};

// Reads the unannounced items from Rss.db and marks items as announced. Each call
// opens and closes its own connection. Failures throw db::DbError naming the file.
class AnnouncementStore
{
public:
    // The items whose Twittered is No, in the order the database returns them.
    static QList<AnnouncementItem> unannounced();
    // Marks exactly these items, so that one added meanwhile stays unannounced.
    static void markAnnounced(const QList<int> &ids);
};

// The status text of an item: the first 136 characters of its description, then " ...".
QString announcementStatusText(const QString &description);

} // namespace rss
