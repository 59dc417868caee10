#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace db {
class Connection;
}

namespace app {

// The keys of the businesses whose name contains a text, ignoring case, accents and
// letter variants ('ete' finds 'ÉTÉ Café', 'strasse' 'Hauptstraße'), in key order.
// Reads the keys and names only, never whole rows. Throws db::DbError.
std::vector<qint64> businessesNamed(db::Connection &connection, const QString &part);
// The same through a connection of its own to the business database.
std::vector<qint64> businessesNamed(const QString &part);

// The first of the keys (in key order) that comes after `after`, wrapping to the first
// one; the first one when there is no `after`. Nothing when keys is empty.
std::optional<qint64> nextKey(const std::vector<qint64> &keys, std::optional<qint64> after);

} // namespace app
