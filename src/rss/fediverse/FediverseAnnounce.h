#pragma once

#include "rss/RssItem.h"
#include "rss/fediverse/AnnounceSummary.h"
#include "rss/fediverse/MastodonClient.h"
#include "rss/fediverse/StatusText.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace rss::fediverse {

// The same item from the same database gets the same key on every try, so a server
// that stored a post whose reply was lost answers with that post instead of a second.
QByteArray idempotencyKey(const QString &databaseIdentity, const QString &itemId);

// Posts items one after another, oldest first, each marked announced (by `markAnnounced`,
// which may throw base::Error) only after the server's success reply. A refused item
// (422) is skipped; a refused connection, a rate limit, a server that does not answer
// or a mark that cannot be stored ends the run there.
class FediverseAnnounce : public QObject
{
    Q_OBJECT

public:
    using MarkAnnounced = std::function<void(const RssItem &item, const QString &postAddress)>;

    FediverseAnnounce(MastodonClient &client, QString databaseIdentity, MarkAnnounced markAnnounced,
                      QObject *parent = nullptr);

    void start(const QList<RssItem> &items);
    void stop();
    // Ends the run once the item being sent now has its answer.
    void stopAfterCurrentItem() { m_stopRequested = m_running; }
    bool isRunning() const { return m_running; }

signals:
    void finished(const rss::fediverse::AnnounceSummary &summary);

private:
    void postNext();
    void leaveRest(const QString &why);
    void end();

    MastodonClient &m_client;
    QString m_databaseIdentity;
    MarkAnnounced m_markAnnounced;
    QList<RssItem> m_items;
    qsizetype m_next = 0;
    StatusLimits m_limits;
    AnnounceSummary m_summary;
    bool m_running = false;
    bool m_stopRequested = false;
};

} // namespace rss::fediverse
