#include "rss/fediverse/FediverseAnnounce.h"

#include "base/Error.h"

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
    : QObject(parent)
    , m_client(client)
    , m_databaseIdentity(std::move(databaseIdentity))
    , m_markAnnounced(std::move(markAnnounced))
{
}

void FediverseAnnounce::start(const QList<RssItem> &items)
{
    if (m_running)
        return;
    m_running = true;
    m_stopRequested = false;
    m_items = items;
    m_next = 0;
    m_summary = AnnounceSummary();
    if (m_items.isEmpty()) {
        end();
        return;
    }
    m_client.instance([this](const MastodonReply &reply) {
        if (m_stopRequested) {
            leaveRest(tr("Stopped."));
            return;
        }
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

void FediverseAnnounce::stop()
{
    if (!m_running)
        return;
    m_stopRequested = true;
    m_client.stop();
}

void FediverseAnnounce::postNext()
{
    if (m_stopRequested) {
        leaveRest(tr("Stopped."));
        return;
    }
    if (m_next >= m_items.size()) {
        end();
        return;
    }
    const RssItem item = m_items.at(m_next);
    m_client.postStatus(statusText(item, m_limits), idempotencyKey(m_databaseIdentity, item.id),
                        [this, item](const MastodonReply &reply) {
                            using O = MastodonReply::Outcome;
                            switch (reply.outcome) {
                            case O::Ok: {
                                QString address = reply.json.value(QLatin1String("url")).toString();
                                if (address.isEmpty()) // some servers name only the post's id there
                                    address = reply.json.value(QLatin1String("uri")).toString();
                                try {
                                    m_markAnnounced(item, address);
                                } catch (const base::Error &error) {
                                    // Posted, but the list will not know: say so rather than post it again later.
                                    m_summary.posted << shownTitle(item);
                                    ++m_next;
                                    leaveRest(tr("%1 was posted at %2 but could not be marked announced: %3")
                                                  .arg(shownTitle(item), address, error.description()));
                                    return;
                                }
                                m_summary.posted << shownTitle(item);
                                ++m_next;
                                postNext();
                                return;
                            }
                            case O::Rejected:
                                m_summary.notPosted << shownTitle(item) + QStringLiteral(": ") + reply.message;
                                ++m_next;
                                postNext();
                                return;
                            default: leaveRest(reply.message); return;
                            }
                        });
}

void FediverseAnnounce::leaveRest(const QString &why)
{
    for (qsizetype i = m_next; i < m_items.size(); ++i)
        m_summary.notPosted << shownTitle(m_items.at(i));
    m_next = m_items.size();
    m_summary.stoppedBecause = why;
    end();
}

void FediverseAnnounce::end()
{
    m_running = false;
    emit finished(m_summary);
}

} // namespace rss::fediverse
