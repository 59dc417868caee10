#include "rss/CLsDataBaseConnection.h"

#include "db/ProgramFolder.h"

namespace rss {

db::Recordset &CLsDataBaseConnection::CreateRecordset(const QString &sql, db::CursorType cursorType)
{
    if (m_recordset)
        m_recordset->close();
    m_connection.close();
    m_connection.open(db::ConnectionStrings::rss());
    m_recordset = std::make_unique<db::Recordset>();
    m_recordset->open(sql, m_connection, cursorType);
    return *m_recordset;
}

void CLsDataBaseConnection::DbClose()
{
    if (m_recordset)
        m_recordset->close();
    m_connection.close();
}

int ExecuteRssStatement(const QString &sql)
{
    db::Connection itemConnection;
    itemConnection.open(db::ConnectionStrings::rss());
    const int changed = itemConnection.execute(sql);
    itemConnection.close();
    return changed;
}

} // namespace rss
