#include "db/sql/SqlDialect.h"

#include "db/sql/SqlTokens.h"

namespace db {

QString translateToSqlite(const QString &sql)
{
    QList<sql::Token> tokens = sql::tokenize(sql);
    sql::translateJetStatement(tokens);
    return sql::join(tokens);
}

} // namespace db
