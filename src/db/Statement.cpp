#include "db/Statement.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/MessageText.h"
#include "db/RowPacking.h"
#include "db/postgres/PostgresDialect.h"
#include "db/postgres/PostgresRows.h"
#include "db/postgres/PostgresSession.h"
#include "db/sql/SqlDialect.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace db {

namespace {

QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    if (!text.endsWith(u'.'))
        text += u'.';
    return text;
}

// Why a database cannot be written, as far as the files tell.
QString readOnlyReason(const QString &filePath)
{
    const QString file = QDir::toNativeSeparators(filePath);
    const QFileInfo info(filePath);
    if (!QFileInfo(info.absolutePath()).isWritable()) {
        return QStringLiteral(
                   "The database %1 is read-only: its folder %2 cannot be written, so changes cannot be stored.")
            .arg(file, QDir::toNativeSeparators(info.absolutePath()));
    }
    if (!info.isWritable())
        return QStringLiteral("The database %1 is read-only: the file cannot be written, so changes cannot be stored.")
            .arg(file);
    return QStringLiteral("The database %1 is read-only: it was opened for reading only, so changes cannot be stored.")
        .arg(file);
}

// Whether only comments, spaces and semicolons follow the first statement.
bool nothingElseFollows(sqlite3 *db, const char *tail)
{
    while (tail && *tail) {
        sqlite3_stmt *next = nullptr;
        const char *rest = nullptr;
        const int rc = sqlite3_prepare_v2(db, tail, -1, &next, &rest);
        sqlite3_finalize(next);
        if (rc != SQLITE_OK || next || rest == tail)
            return false;
        tail = rest;
    }
    return true;
}

} // namespace

QString describeError(sqlite3 *db, int code, const QString &filePath)
{
    // SQLite quotes the token it stumbled on, which may be a whole text.
    const QString reason
        = cutForMessage(db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code)));
    const QString file = QDir::toNativeSeparators(filePath);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("The database %1 is locked by another program; try again when it has finished.")
            .arg(file);
    case SQLITE_READONLY: return readOnlyReason(filePath);
    case SQLITE_NOTADB: return QStringLiteral("%1 is not a database file.").arg(file);
    case SQLITE_CORRUPT: return QStringLiteral("The database %1 is damaged (%2).").arg(file, reason);
    case SQLITE_CANTOPEN: return QStringLiteral("The database %1 cannot be opened (%2).").arg(file, reason);
    case SQLITE_FULL: return QStringLiteral("The disk holding %1 is full; nothing was stored.").arg(file);
    case SQLITE_CONSTRAINT: return QStringLiteral("The row was not stored: %1.").arg(reason);
    case SQLITE_INTERRUPT: return QStringLiteral("The statement was cancelled.");
    default: return sentence(reason);
    }
}

void throwError(sqlite3 *db, int code, const QString &filePath)
{
    throw DbError(describeError(db, code, filePath));
}

Statement::Statement(Connection &connection, const QString &sql, const QVariantList &parameters, bool wholeResult)
    : m_connection(connection)
    , m_wholeResult(wholeResult)
{
    if (!connection.isOpen())
        throw DbError(QStringLiteral("The connection is not open."));
    connection.settleReaders();
    if (PostgresSession *server = connection.liveServer()) {
        const PostgresStatement statement = translateToPostgres(sql);
        if (statement.text.trimmed().isEmpty())
            throw DbError(QStringLiteral("The statement is empty."));
        if (statement.parameterCount != parameters.size()) {
            throw DbError(QStringLiteral("The statement takes %1 values but %2 were given.")
                              .arg(statement.parameterCount)
                              .arg(parameters.size()));
        }
        m_serverText = statement.text;
        m_writtenText = sql;
        m_rows = std::make_unique<PostgresRows>(*server, m_serverText, parameters, !wholeResult);
        return;
    }
    sqlite3 *db = connection.handle();
    const QByteArray text = translateToSqlite(sql).toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &m_statement, &tail);
    if (rc != SQLITE_OK)
        throwError(db, rc, connection.filePath());
    if (!m_statement) {
        throw DbError(QStringLiteral("The statement is empty."));
    }
    if (!nothingElseFollows(db, tail)) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        throw DbError(QStringLiteral("Only one statement can be run at a time."));
    }
    try {
        bind(m_statement, parameters, db);
    } catch (...) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        throw;
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

void Statement::bind(sqlite3_stmt *statement, const QVariantList &parameters, sqlite3 *db)
{
    const int expected = sqlite3_bind_parameter_count(statement);
    if (expected != parameters.size()) {
        throw DbError(
            QStringLiteral("The statement takes %1 values but %2 were given.").arg(expected).arg(parameters.size()));
    }
    for (int i = 0; i < parameters.size(); ++i) {
        const QVariant &value = parameters[i];
        int rc = SQLITE_OK;
        if (!value.isValid() || value.isNull()) {
            rc = sqlite3_bind_null(statement, i + 1);
        } else {
            switch (value.typeId()) {
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UShort: rc = sqlite3_bind_int64(statement, i + 1, value.toLongLong()); break;
            case QMetaType::Double:
            case QMetaType::Float: rc = sqlite3_bind_double(statement, i + 1, value.toDouble()); break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = value.toByteArray();
                rc = sqlite3_bind_blob64(statement, i + 1, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                                         SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray text = value.toString().toUtf8();
                rc = sqlite3_bind_text64(statement, i + 1, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                                         SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            throwError(db, rc, QString());
    }
}

void Statement::rebind(const QVariantList &parameters)
{
    if (PostgresSession *server = m_connection.liveServer()) {
        m_rows.reset();
        m_rows = std::make_unique<PostgresRows>(*server, m_serverText, parameters, !m_wholeResult);
        return;
    }
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    bind(m_statement, parameters, m_connection.handle());
}

bool Statement::step()
{
    if (m_rows)
        return m_rows->step();
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_statement);
    throwError(m_connection.handle(), rc, m_connection.filePath());
}

int Statement::columnCount() const
{
    if (m_rows)
        return m_rows->columnCount();
    return sqlite3_column_count(m_statement);
}

QString Statement::columnName(int column) const
{
    if (m_rows)
        return m_rows->columnName(column);
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QString Statement::originTable(int column) const
{
    if (m_rows)
        return m_rows->originTable(column);
    return QString::fromUtf8(sqlite3_column_table_name(m_statement, column));
}

QString Statement::originColumn(int column) const
{
    if (m_rows)
        return m_rows->originColumn(column);
    return QString::fromUtf8(sqlite3_column_origin_name(m_statement, column));
}

QString Statement::originDatabase(int column) const
{
    if (m_rows)
        return {};
    return QString::fromUtf8(sqlite3_column_database_name(m_statement, column));
}

QString Statement::declaredType(int column) const
{
    if (m_rows)
        return m_rows->declaredType(column);
    return QString::fromUtf8(sqlite3_column_decltype(m_statement, column));
}

QVariant Statement::value(int column) const
{
    if (m_rows)
        return m_rows->value(column);
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER: return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_statement, column)));
    }
    case SQLITE_NULL: return QVariant();
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column)));
    }
    }
}

} // namespace db

namespace db {

bool Statement::isNull(int column) const
{
    if (m_rows)
        return m_rows->isNull(column);
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

QByteArray Statement::text(int column) const
{
    if (m_rows)
        return m_rows->rawText(column);
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QByteArray(text, sqlite3_column_bytes(m_statement, column));
}

QByteArray Statement::packedRow(int first, int count) const
{
    if (!m_rows)
        return packStatementRow(m_statement, first, count);
    QVariantList values;
    values.reserve(count);
    for (int c = first; c < first + count; ++c)
        values << m_rows->value(c);
    return packValues(values);
}

QString Statement::reusableText() const
{
    if (m_rows)
        return m_writtenText;
    return QString::fromUtf8(sqlite3_sql(m_statement));
}

int Statement::affectedRows() const
{
    if (m_rows)
        return m_rows->affectedRows();
    return sqlite3_changes(m_connection.handle());
}

} // namespace db
