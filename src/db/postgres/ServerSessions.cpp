#include "db/postgres/ServerSessions.h"

#include "db/postgres/PostgresSession.h"

#include <future>

namespace db::ServerSessions {

namespace {

struct Kept
{
    std::unique_ptr<PostgresSession> idle;
    QString aheadAddress;
    std::future<std::unique_ptr<PostgresSession>> ahead;
};

Kept &kept()
{
    static Kept sessions;
    return sessions;
}

} // namespace

void openAhead(const QString &address)
{
    Kept &sessions = kept();
    if (sessions.ahead.valid() || (sessions.idle && sessions.idle->address() == address))
        return;
    sessions.aheadAddress = address;
    sessions.ahead = std::async(std::launch::async, [address] {
        auto session = std::make_unique<PostgresSession>(address);
        session->ensureCatalog();
        return session;
    });
}

std::unique_ptr<PostgresSession> take(const QString &address)
{
    Kept &sessions = kept();
    if (sessions.ahead.valid()) {
        const bool wanted = sessions.aheadAddress == address;
        std::future<std::unique_ptr<PostgresSession>> ahead = std::move(sessions.ahead);
        if (wanted)
            return ahead.get(); // its DbError is this opening's
        try {
            giveBack(ahead.get());
        } catch (...) {
            // Opened ahead for an address nobody asked for after all.
        }
    }
    if (sessions.idle && sessions.idle->address() == address && sessions.idle->checkConnection())
        return std::move(sessions.idle);
    return std::make_unique<PostgresSession>(address);
}

void giveBack(std::unique_ptr<PostgresSession> session)
{
    if (session && session->isUsable() && !session->inTransaction())
        kept().idle = std::move(session);
}

} // namespace db::ServerSessions
