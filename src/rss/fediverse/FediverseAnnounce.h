#pragma once

#include "rss/RssItem.h"
#include "rss/fediverse/AnnounceRun.h"
#include "rss/fediverse/MastodonClient.h"
#include "rss/fediverse/StatusText.h"

#include <QByteArray>
#include <QString>

namespace rss::fediverse {

// The same item from the same database gets the same key on every try, so a server
// that stored a post whose reply was lost answers with that post instead of a second.
QByteArray idempotencyKey(const QString &databaseIdentity, const QString &itemId);

// Posts items on a fediverse server (see AnnounceRun). A refused item (422) is
// skipped; a refused connection, a rate limit, a server that does not answer or a mark
// that cannot be stored ends the run there.
class FediverseAnnounce : public AnnounceRun
{
    Q_OBJECT

public:
    FediverseAnnounce(MastodonClient &client, QString databaseIdentity, MarkAnnounced markAnnounced,
                      QObject *parent = nullptr);

private:
    void begin() override;
    void send(const RssItem &item) override;
    void stopNetwork() override;

    MastodonClient &m_client;
    QString m_databaseIdentity;
    StatusLimits m_limits;
};

} // namespace rss::fediverse
