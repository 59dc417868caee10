#pragma once

#include <QByteArray>
#include <QVariant>

struct sqlite3_stmt;

namespace db {

// A row kept as one compact byte string (a type tag and the raw value per column),
// so that a snapshot of tens of thousands of rows opens fast and stays small.
// Fields are turned into QVariants only when they are read.
QByteArray packStatementRow(sqlite3_stmt *statement, int firstColumn, int columnCount);
QByteArray packValues(const QVariantList &values);
QVariant unpackValue(const QByteArray &row, int column);
QByteArray packNulls(int columnCount);

} // namespace db
