// Inserts businesses in small transactions until it is killed, printing the last key
// of every committed transaction, so a test can kill it mid-write and check the file.
#include "db/Connection.h"
#include "db/DbError.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    try {
        db::Connection connection;
        connection.openFile(QString::fromLocal8Bit(argv[1]));
        for (int batch = 0;; ++batch) {
            connection.beginTransaction();
            for (int i = 0; i < 50; ++i) {
                connection.execute(QStringLiteral("INSERT INTO BusinessInformation (BusninesName, BusinessCity) "
                                                  "VALUES (?, 'Springfield')"),
                                   {QStringLiteral("Business %1-%2").arg(batch).arg(i)});
            }
            connection.commit();
            std::printf("%lld\n", static_cast<long long>(connection.lastInsertRowId()));
            std::fflush(stdout);
        }
    } catch (const db::DbError &error) {
        std::fprintf(stderr, "%s\n", error.description().toLocal8Bit().constData());
        return 1;
    }
}
