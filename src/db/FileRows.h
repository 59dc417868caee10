#pragma once

#include "db/schema/SchemaTables.h"

#include <QByteArrayView>

#include <functional>

namespace db {

// Rows written into a database file being made (a backup's), in the file's own format,
// whatever engine they come from: the fast path that holds no row longer than it takes
// to write it.
class FileRows
{
public:
    virtual ~FileRows() = default;

    // One field: Null, a number, or text when `text` is not null.
    struct Field
    {
        bool isNull = true;
        qint64 number = 0;
        QByteArrayView text;
    };
    // Adds `rows` rows to the table, each with every column of its description, in order.
    virtual void insert(const SchemaTables::Table &table, int rows,
                        const std::function<Field(int row, int column)> &field)
        = 0;
    // Keys the file hands out for new rows of the table start above `highest`.
    virtual void keepKeysAbove(const QString &table, qint64 highest) = 0;
};

} // namespace db
