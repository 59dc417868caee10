#include "db/ServerAddress.h"

#include "base/Error.h"
#include "base/TextFile.h"
#include "db/DbError.h"
#include "db/PostgresSession.h"

#include <QDir>
#include <QFileInfo>

namespace db::ServerAddress {

QString ofFolder(const QString &folder)
{
    const QString file = QDir(folder).filePath(QLatin1String(FileName));
    if (!QFileInfo::exists(file))
        return {};
    QStringList lines;
    try {
        lines = base::readTextFileLines(file);
    } catch (const base::Error &error) {
        throw DbError(error.description());
    }
    const QString address = lines.isEmpty() ? QString() : lines.first().trimmed();
    if (!PostgresSession::isAddress(address)) {
        throw DbError(QStringLiteral("%1 does not start with a PostgreSQL address such as "
                                     "postgresql://user@host:5432/tallowmere.")
                          .arg(QDir::toNativeSeparators(file)));
    }
    return address;
}

} // namespace db::ServerAddress
