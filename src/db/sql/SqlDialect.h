#pragma once

#include <QString>

namespace db {

// The windows write statements the way Access accepted them. SQLite takes most of
// that as it stands ([bracketed names], "Select *", a trailing ";"); this rewrites
// the rest: the Yes/No literals, "SET table.column =" and "DELETE table.column FROM".
QString translateToSqlite(const QString &sql);

} // namespace db
