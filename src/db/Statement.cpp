#include "db/Statement.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Engine.h"

namespace db {

Statement::Statement(Connection &connection, const QString &sql, const QVariantList &parameters, bool wholeResult)
{
    if (!connection.isOpen())
        throw DbError(QStringLiteral("The connection is not open."));
    connection.settleReaders();
    m_rows = connection.engine()->prepare(sql, parameters, wholeResult);
}

Statement::~Statement() = default;

} // namespace db
