#include "db/Command.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Recordset.h"

namespace db {

std::unique_ptr<Recordset> Command::execute()
{
    if (!m_connection || !m_connection->isOpen())
        throw DbError(QStringLiteral("The command has no open connection."));
    // Whether there are rows shows once the statement has run (a server says so only
    // then): it runs once, and a statement without result columns gives a closed recordset.
    auto recordset = std::make_unique<Recordset>();
    recordset->open(m_text, *m_connection, CursorType::ForwardOnly, LockType::ReadOnly, m_parameters);
    if (recordset->columnCount() == 0)
        return std::make_unique<Recordset>();
    return recordset;
}

} // namespace db
