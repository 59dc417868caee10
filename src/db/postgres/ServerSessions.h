#pragma once

#include <QString>

#include <memory>

namespace db {

class PostgresSession;

// The server sessions kept between connections. Windows open and close connections
// often (the main form closes its template connection just before its records open
// theirs), and each new session costs the server a new process, so the last one let
// go of is kept for the next connection to the same address.
namespace ServerSessions {

// Starts opening a session on another thread, so that loading libpq and the server's
// greeting go on while the window that needs them is built. Its failure is reported
// by the take() that wanted it.
void openAhead(const QString &address);

// A session to the address: the one opened ahead, the one kept, or a new one.
// Throws DbError naming the server when it cannot be reached.
std::unique_ptr<PostgresSession> take(const QString &address);

// Keeps a session for the next take(), when it is usable and outside a transaction.
void giveBack(std::unique_ptr<PostgresSession> session);

} // namespace ServerSessions
} // namespace db
