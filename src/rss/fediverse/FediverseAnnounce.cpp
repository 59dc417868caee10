#include "rss/fediverse/FediverseAnnounce.h"

#include <QCryptographicHash>
#include <QJsonObject>

namespace rss::fediverse {

namespace {

StatusLimits limitsOf(const QJsonObject &instance)
{
    StatusLimits limits;
    const QJsonObject statuses
        = instance.value(QLatin1String("configuration")).toObject().value(QLatin1String("statuses")).toObject();
    // A value that is missing or absurd leaves the usual limit.
    const int most = statuses.value(QLatin1String("max_characters")).toInt(0);
    if (most >= 50 && most <= 1000000)
        limits.maxCharacters = most;
    const int perUrl = statuses.value(QLatin1String("characters_reserved_per_url")).toInt(-1);
    if (perUrl >= 0 && perUrl <= 1000)
        limits.charactersPerUrl = perUrl;
    return limits;
}

} // namespace

QByteArray idempotencyKey(const QString &databaseIdentity, const QString &itemId)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView("tallowmere-announce\n"));
    hash.addData(databaseIdentity.toUtf8());
    hash.addData(QByteArrayView("\n"));
    hash.addData(itemId.toUtf8());
    return hash.result().toHex().left(40);
}

FediverseAnnounce::FediverseAnnounce(MastodonClient &client, QString databaseIdentity, MarkAnnounced markAnnounced,
                                     QObject *parent)
    : AnnounceRun(std::move(markAnnounced), parent)
    , m_client(client)
    , m_databaseIdentity(std::move(databaseIdentity))
{
}

void FediverseAnnounce::begin()
{
    m_client.instance([this](const MastodonReply &reply) {
        // The limits are public and optional: a server that hides them gets the usual ones,
        // but one that does not answer at all will not take posts either.
        if (reply.outcome == MastodonReply::Outcome::TimedOut || reply.outcome == MastodonReply::Outcome::Unreachable) {
            leaveRest(reply.message);
            return;
        }
        m_limits = reply.ok() ? limitsOf(reply.json) : StatusLimits();
        postNext();
    });
}

void FediverseAnnounce::stopNetwork()
{
    m_client.stop();
}

void FediverseAnnounce::send(const RssItem &item)
{
    m_client.postStatus(statusText(item, m_limits), idempotencyKey(m_databaseIdentity, item.id),
                        [this, item](const MastodonReply &reply) {
                            switch (reply.outcome) {
                            case MastodonReply::Outcome::Ok: {
                                QString address = reply.json.value(QLatin1String("url")).toString();
                                if (address.isEmpty()) // some servers name only the post's id there
                                    address = reply.json.value(QLatin1String("uri")).toString();
                                posted(item, address);
                                return;
                            }
                            case MastodonReply::Outcome::Rejected: refused(item, reply.message); return;
                            default: leaveRest(reply.message); return;
                            }
                        });
}

} // namespace rss::fediverse
