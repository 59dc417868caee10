#pragma once

#include <QStringList>

namespace db {
class Connection;
}

namespace documents {

// What a stored template without a name (Null) becomes in a list of names.
enum class NullNames {
    LeftOut, // no lookup could find it
    AsEmpty, // it still counts, under an empty name
};

// Every stored template's name as stored, in the order the table returns them.
// Throws db::DbError.
QStringList storedTemplateNames(db::Connection &connection, NullNames nullNames);

// The same through a connection of its own, without the nameless ones.
QStringList storedTemplateNames();

// The merge-field names the editor offers, without brackets, in the order stored.
// Throws db::DbError.
QStringList mergeFieldNames();

} // namespace documents
