#include "db/SqlDialect.h"

#include "db/SqlTokens.h"

namespace db {

QString translateToSqlite(const QString &sql)
{
    QList<sql::Token> tokens = sql::tokenize(sql);
    sql::translateJetStatement(tokens);
    return sql::join(tokens);
}

} // namespace db
