#pragma once

#include "db/FileRows.h"

#include <QString>

namespace db {

class SqliteEngine;

// Copies the database `from` into the new file `to` in one step of SQLite's online
// backup: one read transaction, in which writers on other connections go on while the
// copy stays the database of one moment. The copy is made as the program makes its
// databases (write-ahead log, the file alone the whole database). Throws DbError.
void copyDatabase(const QString &from, const QString &to);

// Whether another connection (of any program, in any journal mode) has the file open.
bool isOpenElsewhere(const QString &filePath);

// Rows written straight into an open file.
class SqliteFileRows final : public FileRows
{
public:
    explicit SqliteFileRows(SqliteEngine &file)
        : m_file(file)
    {
    }
    void insert(const SchemaTables::Table &table, int rows,
                const std::function<Field(int row, int column)> &field) override;
    void keepKeysAbove(const QString &table, qint64 highest) override;

private:
    SqliteEngine &m_file;
};

} // namespace db
