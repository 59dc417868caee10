#pragma once

#include <QStringList>

namespace db {

class PostgresSession;

// Who may do what to the program's tables on a shared server. The tables belong to
// one owner role that no user is or acts as; users get SELECT, INSERT, UPDATE and
// DELETE on them and USAGE and SELECT on their key generators, nothing more. A wider
// grant, a role that can act as the owner, or a function that a statement could
// call in place of a built-in one each lets one user run SQL as another.
namespace PostgresAccess {

// Every such problem, one sentence each naming the role and the objects; empty when
// the database's rights are as the program needs them and no wider.
QStringList check(PostgresSession &session);

} // namespace PostgresAccess
} // namespace db
