#pragma once

#include <QStringList>

namespace db {

class PostgresSession;

// What the program's tables on a server carry beyond their columns: triggers, rules,
// row-security policies, column defaults, constraints and indexes. Each may run code
// of its maker's choosing as the user who reads or stores a row, so anything the
// program does not make is a difference.
namespace PostgresTableObjects {

// Every such difference, one sentence each naming the table and the object; empty
// when the tables carry exactly what the program makes.
QStringList differences(PostgresSession &session);

} // namespace PostgresTableObjects
} // namespace db
