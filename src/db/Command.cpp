#include "db/Command.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Recordset.h"
#include "db/Statement.h"

namespace db {

std::unique_ptr<Recordset> Command::execute()
{
    if (!m_connection || !m_connection->isOpen())
        throw DbError(QStringLiteral("The command has no open connection."));
    auto recordset = std::make_unique<Recordset>();
    if (m_connection->server()) {
        // A server says whether there are rows only by running the statement: run it once.
        recordset->open(m_text, *m_connection, CursorType::ForwardOnly, LockType::ReadOnly, m_parameters);
        if (recordset->columnCount() == 0)
            return std::make_unique<Recordset>();
        return recordset;
    }
    {
        // A statement without result columns runs once and gives a closed recordset.
        Statement probe(*m_connection, m_text, m_parameters);
        if (probe.columnCount() == 0) {
            while (probe.step()) { }
            return recordset;
        }
    }
    recordset->open(m_text, *m_connection, CursorType::ForwardOnly, LockType::ReadOnly, m_parameters);
    return recordset;
}

} // namespace db
