#include "db/SnapshotReader.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/RowCache.h"
#include "db/Statement.h"

#include "db/sql/SqlTokens.h"

#include <algorithm>

namespace db {

namespace {
constexpr int ChunkSize = 2000;
}

SnapshotReader::SnapshotReader(Connection &connection, RowCache &cache, std::unique_ptr<Statement> statement,
                               int firstColumn, bool ownTransaction, int total)
    : m_connection(connection)
    , m_cache(cache)
    , m_statement(std::move(statement))
    , m_firstColumn(firstColumn)
    , m_ownTransaction(ownTransaction)
    , m_unread(std::max(total, 0))
{
    connection.deferReader(this, [this] { read(-1); });
}

SnapshotReader::~SnapshotReader()
{
    finish();
}

void SnapshotReader::finish()
{
    if (!m_statement)
        return;
    m_connection.releaseReader(this);
    m_statement.reset();
    m_unread = 0;
    if (m_ownTransaction && m_connection.inTransaction()) {
        try {
            m_connection.commit();
        } catch (const DbError &) {
            // A read-only snapshot: nothing of it is lost when it cannot end cleanly.
        }
    }
}

void SnapshotReader::read(int rows)
{
    if (!m_statement)
        return;
    const int count = m_statement->columnCount() - m_firstColumn;
    for (int n = 0; rows < 0 || n < rows; ++n) {
        try {
            if (!m_statement->step()) {
                // The count and the rows come from one snapshot; trust the rows if they differ.
                finish();
                return;
            }
        } catch (const DbError &error) {
            // Never left with a count that the rows it holds do not match.
            m_failure = error.description();
            m_cache.clear();
            finish();
            if (m_onFailure)
                m_onFailure();
            throw;
        }
        const qint64 rowId = m_firstColumn == 1 ? m_statement->value(0).toLongLong() : 0;
        m_cache.appendRead(rowId, m_statement->packedRow(m_firstColumn, count));
        m_unread = std::max(m_unread - 1, 0);
    }
}

void SnapshotReader::readThrough(int index)
{
    while (m_statement && index >= m_cache.size())
        read(ChunkSize);
}

namespace {

bool significant(const sql::Token &token)
{
    return token.kind != sql::TokenKind::Space && !sql::isPunct(token, u';');
}

// An ORDER BY that ends the statement and lists only columns (names, positions, ASC,
// DESC): the part a count can drop. Its position, or -1.
int trailingOrder(const QList<sql::Token> &tokens)
{
    int order = -1;
    for (int at = sql::findTopLevel(tokens, 0, QLatin1String("ORDER")); at >= 0;
         at = sql::findTopLevel(tokens, at + 1, QLatin1String("ORDER")))
        order = at;
    const int by = order < 0 ? -1 : sql::nextSignificant(tokens, order + 1);
    if (by < 0 || !sql::isKeyword(tokens[by], QLatin1String("BY")))
        return -1;
    for (int i = by + 1; i < tokens.size(); ++i) {
        const sql::Token &token = tokens[i];
        const bool column = token.kind == sql::TokenKind::Word || token.kind == sql::TokenKind::Space
                            || (token.kind == sql::TokenKind::Quoted && !sql::isStringLiteral(token))
                            || sql::isPunct(token, u',') || sql::isPunct(token, u'.');
        if (!column)
            return -1;
    }
    return order;
}

} // namespace

QString SnapshotReader::countingQuery(const QString &statementText)
{
    QList<sql::Token> tokens = sql::tokenize(statementText);
    // The statement as the engine took it, without anything after it.
    while (!tokens.isEmpty() && !significant(tokens.constLast()))
        tokens.removeLast();
    // Counting needs no order, and without one SQLite counts from the table's pages
    // instead of stepping through every row; a LIMIT or OFFSET needs the order kept.
    const bool limited = std::any_of(tokens.cbegin(), tokens.cend(), [](const sql::Token &token) {
        return sql::isKeyword(token, QLatin1String("LIMIT")) || sql::isKeyword(token, QLatin1String("OFFSET"));
    });
    const int order = limited ? -1 : trailingOrder(tokens);
    if (order >= 0)
        tokens.resize(order);
    QString query = sql::join(tokens).trimmed();
    // On a line of its own, so that a comment ending the statement cannot swallow it.
    return QStringLiteral("SELECT count(*) FROM (") % query % QStringLiteral("\n) AS counted");
}

} // namespace db
