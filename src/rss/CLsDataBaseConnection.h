#pragma once

#include "db/Connection.h"
#include "db/Recordset.h"

#include <memory>

namespace rss {

// Reads Rss.db: make one, call CreateRecordset once, walk and close the recordset,
// then DbClose.
class CLsDataBaseConnection
{
public:
    // A read-only recordset over the statement (forward-only unless asked otherwise),
    // on a connection to Rss.db opened for it. Throws db::DbError naming the file.
    db::Recordset &CreateRecordset(const QString &sql, db::CursorType cursorType = db::CursorType::ForwardOnly);
    void DbClose();

private:
    db::Connection m_connection;
    std::unique_ptr<db::Recordset> m_recordset;
};

// The one way the publishing window changes Rss.db: the statement runs on a
// connection opened for it alone and closed afterwards. Returns how many rows it
// changed. Throws db::DbError.
int ExecuteRssStatement(const QString &sql);

} // namespace rss
