#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A PostgreSQL 15 server of the tests' own: a fresh cluster in a temporary folder, on
// a free port of 127.0.0.1, without fsync. One per test program, started on first
// use; it stops and its folder goes when the program ends, or within a few seconds
// of the program dying. As root the server runs as the `postgres` user (the server
// refuses root).
class PostgresServer
{
public:
    static PostgresServer &shared();
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // The address of a database on this server, for its administrator or for a role.
    QString uri(const QString &database) const;
    QString uri(const QString &database, const QString &role) const;
    // A new empty database; returns its address.
    QString createDatabase();
    // Runs a statement on the maintenance database (dropping or creating databases).
    void admin(const QString &sql) const;
    int port() const { return m_port; }

    // Stops the server as an administrator's restart does (sessions are told and
    // closed), and starts it again on the same port with the same databases.
    void stop();
    void resume();
    void restart();

private:
    PostgresServer();
    void start();
    void launch();
    QString asServerUser(const QString &command) const;

    QTemporaryDir m_folder;
    int m_port = 0;
    int m_databases = 0;
};

} // namespace testing_support
