#include "app/BusinessFinder.h"

#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Statement.h"
#include "db/TextFolding.h"

#include <algorithm>

namespace app {

std::vector<qint64> businessesNamed(db::Connection &connection, const QString &part)
{
    const QString wanted = db::foldedForSearch(part);
    std::vector<qint64> keys;
    // A text of accents alone folds to nothing, which every name would contain.
    if (wanted.isEmpty())
        return keys;
    db::Statement names(connection, QStringLiteral("SELECT BusinessInformationId, BusninesName FROM "
                                                   "BusinessInformation ORDER BY BusinessInformationId"));
    while (names.step()) {
        const QVariant name = names.value(1);
        if (name.isValid() && db::foldedForSearch(name.toString()).contains(wanted))
            keys.push_back(names.value(0).toLongLong());
    }
    return keys;
}

std::vector<qint64> businessesNamed(const QString &part)
{
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    return businessesNamed(connection, part);
}

std::optional<qint64> nextKey(const std::vector<qint64> &keys, std::optional<qint64> after)
{
    if (keys.empty())
        return std::nullopt;
    if (after) {
        const auto next = std::upper_bound(keys.begin(), keys.end(), *after);
        if (next != keys.end())
            return *next;
    }
    return keys.front();
}

} // namespace app
