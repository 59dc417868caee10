#include "rss/fediverse/AnnouncedItems.h"

#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "db/schema/SchemaTables.h"

#include <QRegularExpression>

namespace rss::fediverse {

namespace {

namespace items = db::tables::RssFeedItems;
namespace announced = db::tables::RssAnnouncements;

void openRss(db::Connection &connection)
{
    connection.open(db::ConnectionStrings::rss());
    db::Schema::requireRssDatabase(connection);
}

} // namespace

QList<RssItem> AnnouncedItems::notYetAnnounced(const QString &network)
{
    db::Connection connection;
    openRss(connection);
    QList<RssItem> list;
    {
        db::Statement rows(
            connection,
            QStringLiteral("SELECT %1, %2, %3, %4 FROM %5 WHERE %1 NOT IN (SELECT %6 FROM %7 WHERE %8 = ?) "
                           "ORDER BY %1")
                .arg(items::Id, items::Title, items::Link, items::Description, items::Table, announced::ItemId,
                     announced::Table, announced::Network),
            {network});
        while (rows.step()) {
            list << RssItem{rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString(),
                            rows.value(3).toString()};
        }
    }
    connection.close();
    return list;
}

QHash<QString, QString> AnnouncedItems::announcedOn(const QString &network)
{
    db::Connection connection;
    openRss(connection);
    QHash<QString, QString> addresses;
    {
        db::Statement rows(connection,
                           QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 = ?")
                               .arg(announced::ItemId, announced::PostAddress, announced::Table, announced::Network),
                           {network});
        while (rows.step())
            addresses.insert(rows.value(0).toString(), rows.value(1).toString());
    }
    connection.close();
    return addresses;
}

QHash<QString, QList<AnnouncedPost>> AnnouncedItems::everywhere()
{
    db::Connection connection;
    openRss(connection);
    QHash<QString, QList<AnnouncedPost>> posts;
    {
        db::Statement rows(connection, QStringLiteral("SELECT %1, %2, %3 FROM %4 ORDER BY %5")
                                           .arg(announced::ItemId, announced::Network, announced::PostAddress,
                                                announced::Table, announced::Id));
        while (rows.step())
            posts[rows.value(0).toString()] << AnnouncedPost{rows.value(1).toString(), rows.value(2).toString()};
    }
    connection.close();
    return posts;
}

QString AnnouncedItems::networkCaption(const QString &network)
{
    return network.left(1).toUpper() + network.mid(1);
}

void AnnouncedItems::mark(const QString &itemId, const QString &network, const QString &postAddress)
{
    db::Connection connection;
    openRss(connection);
    connection.execute(QStringLiteral("INSERT INTO %1 (%2, %3, %4) VALUES (?, ?, ?)")
                           .arg(announced::Table, announced::ItemId, announced::Network, announced::PostAddress),
                       {itemId.toLongLong(), network, postAddress});
    connection.close();
}

QString AnnouncedItems::databaseIdentity()
{
    // A server's password is no part of which database it is, and must not leave in a key.
    static const QRegularExpression password(QStringLiteral("(^|;)\\s*password\\s*=[^;]*"),
                                             QRegularExpression::CaseInsensitiveOption);
    return db::ConnectionStrings::rss().remove(password);
}

} // namespace rss::fediverse
