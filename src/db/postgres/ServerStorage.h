#pragma once

#include "db/Storage.h"

namespace db {

// The program's databases as the tables of one PostgreSQL database.
class ServerStorage final : public Storage
{
public:
    explicit ServerStorage(const QString &address)
        : m_address(address)
    {
    }

    std::unique_ptr<Engine> open(Opening opening) const override;
    QString connectionString(const QString &) const override { return m_address; }
    QString databaseFile(const QString &) const override { return {}; }
    void openAhead() const override;
    void createProgramDatabases() const override;
    QStringList check() const override;
    void upgrade() const override;
    void refuseBackupInto(const QString &) const override { }
    void backUp(const QString &business, const QString &rss) const override;
    void restoreBackup(const QString &folder, const std::function<void()> &afterEachMove) const override;

private:
    QString m_address;
};

} // namespace db
