#pragma once

#include "db/Recordset.h"

#include <memory>

namespace db {
class Connection;
}

namespace documents {

// The rows the business report is made from, one query per table.
struct ReportQueries
{
    std::unique_ptr<db::Recordset> longTermGoals;
    std::unique_ptr<db::Recordset> shortTermGoals;
    std::unique_ptr<db::Recordset> employees;
    std::unique_ptr<db::Recordset> business;
    std::unique_ptr<db::Recordset> missionStatements;
    std::unique_ptr<db::Recordset> businessTypes;

    // Runs the six queries in their fixed order. Throws db::DbError.
    static ReportQueries run(db::Connection &connection, qint64 businessId);
};

} // namespace documents
