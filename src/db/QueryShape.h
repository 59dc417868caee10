#pragma once

#include "db/schema/ColumnRoles.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace db {

// The columns of a query, and the one table its rows can be stored in.
struct QueryShape
{
    QStringList names;
    QStringList originColumns;
    QStringList declaredTypes;
    std::vector<ColumnRole> roles;
    QString table;
    bool updatable = false;
};

} // namespace db
