#include "rss/AnnouncementStore.h"

#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/schema/SchemaTables.h"

#include <QStringList>

namespace rss {

QList<AnnouncementItem> AnnouncementStore::unannounced()
{
    db::Connection connection;
    connection.open(db::ConnectionStrings::rss());
    db::Recordset recordset;
    recordset.open(QStringLiteral("SELECT Tbl_Rss_Feed_Items.* From Tbl_Rss_Feed_Items WHERE "
                                  "(Tbl_Rss_Feed_Items.Twittered =No);"),
                   connection);
    namespace column = db::tables::RssFeedItems;
    QList<AnnouncementItem> items;
    while (!recordset.eof()) {
        AnnouncementItem item;
        item.id = recordset.value(column::Id).toInt();
        item.title = recordset.value(column::Title).toString();
        const QVariant description = recordset.value(column::Description);
        item.hasDescription = description.isValid();
        item.description = description.toString();
        items << item;
        recordset.moveNext();
    }
    recordset.close();
    connection.close();
    return items;
}

void AnnouncementStore::markAnnounced(const QList<int> &ids)
{
    if (ids.isEmpty())
        return;
    QStringList keys;
    for (int id : ids)
        keys << QString::number(id);
    db::Connection connection;
    connection.open(db::ConnectionStrings::rss());
    connection.execute(QStringLiteral("UPDATE Tbl_Rss_Feed_Items SET Tbl_Rss_Feed_Items.Twittered = Yes WHERE "
                                      "Tbl_Rss_Feed_Items.RssFeedItemId IN (")
                       + keys.join(QStringLiteral(", ")) + QStringLiteral(");"));
    connection.close();
}

QString announcementStatusText(const QString &description)
{
    // Counted in characters as people see them: a pair of UTF-16 units stays whole.
    constexpr int Characters = 136;
    qsizetype end = 0;
    for (int taken = 0; taken < Characters && end < description.size(); ++taken) {
        const bool pair = description.at(end).isHighSurrogate() && end + 1 < description.size()
                          && description.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return description.left(end) + QStringLiteral(" ...");
}

} // namespace rss
