#include "db/sqlite/SqliteEngine.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/MessageText.h"
#include "db/RowPacker.h"
#include "db/sql/SqlDialect.h"
#include "db/sqlite/FileSchema.h"
#include "db/sqlite/TextCollation.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <vector>

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

// Texts and bytes are bound without a copy: the engine reads them where `kept` holds
// them, which must outlive the binding (until the statement is reset or finalized).
int bindOne(sqlite3_stmt *statement, int index, const QVariant &value, std::vector<QByteArray> &kept)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray &bytes = kept.emplace_back(value.toByteArray());
        return sqlite3_bind_blob64(statement, index, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                                   SQLITE_STATIC);
    }
    default: {
        const QByteArray &text = kept.emplace_back(value.toString().toUtf8());
        return sqlite3_bind_text64(statement, index, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                                   SQLITE_STATIC, SQLITE_UTF8);
    }
    }
}

void bind(sqlite3_stmt *statement, const QVariantList &parameters, sqlite3 *db, std::vector<QByteArray> &kept)
{
    const int expected = sqlite3_bind_parameter_count(statement);
    if (expected != parameters.size()) {
        throw DbError(
            QStringLiteral("The statement takes %1 values but %2 were given.").arg(expected).arg(parameters.size()));
    }
    kept.clear();
    kept.reserve(static_cast<std::size_t>(parameters.size()));
    for (int i = 0; i < parameters.size(); ++i) {
        const int rc = bindOne(statement, i + 1, parameters[i], kept);
        if (rc != SQLITE_OK)
            throwError(db, rc, QString());
    }
}

class SqliteRows final : public EngineRows
{
public:
    SqliteRows(sqlite3 *db, const QString &filePath, const QString &sql, const QVariantList &parameters);
    ~SqliteRows() override { sqlite3_finalize(m_statement); }
    SqliteRows(const SqliteRows &) = delete;
    SqliteRows &operator=(const SqliteRows &) = delete;

    bool step() override;
    void rebind(const QVariantList &parameters) override
    {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
        bind(m_statement, parameters, m_db, m_bound);
    }
    int columnCount() const override { return sqlite3_column_count(m_statement); }
    QString columnName(int column) const override { return utf8(sqlite3_column_name(m_statement, column)); }
    QString originTable(int column) const override { return utf8(sqlite3_column_table_name(m_statement, column)); }
    QString originColumn(int column) const override { return utf8(sqlite3_column_origin_name(m_statement, column)); }
    QString declaredType(int column) const override { return utf8(sqlite3_column_decltype(m_statement, column)); }
    QVariant value(int column) const override;
    bool isNull(int column) const override { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }
    QByteArrayView text(int column) const override
    {
        const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return QByteArrayView(data, sqlite3_column_bytes(m_statement, column));
    }
    QByteArray packedRow(int first, int count) const override;
    QString reusableText() const override { return utf8(sqlite3_sql(m_statement)); }
    int affectedRows() const override { return sqlite3_changes(m_db); }

private:
    static QString utf8(const char *text) { return QString::fromUtf8(text); }

    sqlite3 *m_db;
    QString m_filePath;
    // The bound texts, which the statement reads in place; destroyed after it.
    std::vector<QByteArray> m_bound;
    sqlite3_stmt *m_statement = nullptr;
};

SqliteRows::SqliteRows(sqlite3 *db, const QString &filePath, const QString &sql, const QVariantList &parameters)
    : m_db(db)
    , m_filePath(filePath)
{
    const QByteArray text = translateToSqlite(sql).toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &m_statement, &tail);
    if (rc != SQLITE_OK)
        throwError(db, rc, filePath);
    if (!m_statement)
        throw DbError(QStringLiteral("The statement is empty."));
    if (!nothingElseFollows(db, tail)) {
        sqlite3_finalize(m_statement);
        throw DbError(QStringLiteral("Only one statement can be run at a time."));
    }
    try {
        bind(m_statement, parameters, db, m_bound);
    } catch (...) {
        sqlite3_finalize(m_statement);
        throw;
    }
}

bool SqliteRows::step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_statement);
    throwError(m_db, rc, m_filePath);
}

QVariant SqliteRows::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER: return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(m_statement, column)));
    }
    case SQLITE_NULL: return QVariant();
    default: return QVariant(QString::fromUtf8(text(column)));
    }
}

QByteArray SqliteRows::packedRow(int first, int count) const
{
    static thread_local RowPacker packer; // one buffer, reused for every row
    for (int c = first; c < first + count; ++c) {
        switch (sqlite3_column_type(m_statement, c)) {
        case SQLITE_INTEGER: packer.integer(sqlite3_column_int64(m_statement, c)); break;
        case SQLITE_FLOAT: packer.real(sqlite3_column_double(m_statement, c)); break;
        case SQLITE_NULL: packer.null(); break;
        case SQLITE_BLOB:
            packer.bytes(PackedBlob, sqlite3_column_blob(m_statement, c),
                         static_cast<quint32>(sqlite3_column_bytes(m_statement, c)));
            break;
        default:
            packer.bytes(PackedText, sqlite3_column_text(m_statement, c),
                         static_cast<quint32>(sqlite3_column_bytes(m_statement, c)));
        }
    }
    return packer.take();
}

// Counting reads every page of the table once. Kept in the engine's cache, those pages
// would grow the program by the cache's whole size for nothing (the rows are read from
// the first pages again), so the cache stays small while the count runs.
class SmallCacheWhileCounting
{
public:
    explicit SmallCacheWhileCounting(sqlite3 *handle)
        : m_handle(handle)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(handle, "PRAGMA cache_size", -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            m_previous = QByteArray::number(sqlite3_column_int64(statement, 0));
        sqlite3_finalize(statement);
        if (!m_previous.isEmpty())
            sqlite3_exec(handle, "PRAGMA cache_size = -256", nullptr, nullptr, nullptr);
    }
    ~SmallCacheWhileCounting()
    {
        if (m_previous.isEmpty())
            return;
        const QByteArray restore = "PRAGMA cache_size = " + m_previous;
        sqlite3_exec(m_handle, restore.constData(), nullptr, nullptr, nullptr);
    }
    SmallCacheWhileCounting(const SmallCacheWhileCounting &) = delete;
    SmallCacheWhileCounting &operator=(const SmallCacheWhileCounting &) = delete;

private:
    sqlite3 *m_handle;
    QByteArray m_previous;
};

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

SqliteEngine::SqliteEngine(const QString &filePath, Mode mode)
    : m_filePath(filePath)
{
    const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                      : mode == Mode::Create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                             : SQLITE_OPEN_READWRITE;
    // An absolute path, so that no name is taken for one of the engine's own
    // (":memory:", an empty name, a "file:" address).
    const QString absolute = QFileInfo(filePath).absoluteFilePath();
    try {
        attach(QFile::encodeName(absolute), flags);
    } catch (const DbError &) {
        // A folder that cannot be written (a read-only mount) has no room for the
        // write-ahead log's index. With no log waiting beside it the file alone is the
        // whole database, and it can still be read.
        const bool readOnlyFolder = mode != Mode::Create && !QFileInfo(QFileInfo(absolute).path()).isWritable()
                                    && !QFileInfo::exists(absolute + QLatin1String("-wal"));
        if (!readOnlyFolder)
            throw;
        const QByteArray uri = QUrl::fromLocalFile(absolute).toEncoded() + "?mode=ro&immutable=1";
        attach(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    }
}

SqliteEngine::~SqliteEngine()
{
    sqlite3_close_v2(m_handle);
}

void SqliteEngine::attach(const QByteArray &name, int flags)
{
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(name.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString description = describeError(db, rc, m_filePath);
        sqlite3_close(db);
        throw DbError(description);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, Connection::DefaultBusyTimeoutMs);
    installCaseInsensitiveCollation(db);
    try {
        m_handle = db;
        // Reading the schema proves the file is a database, before anything is written.
        executeScript(QStringLiteral("SELECT count(*) FROM sqlite_master; PRAGMA synchronous = NORMAL;"));
        SqliteRows journal(db, m_filePath, QStringLiteral("PRAGMA journal_mode"), {});
        m_writeAheadLog
            = journal.step() && journal.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
    } catch (...) {
        m_handle = nullptr;
        sqlite3_close_v2(db);
        throw;
    }
}

std::unique_ptr<EngineRows> SqliteEngine::prepare(const QString &sql, const QVariantList &parameters, bool)
{
    return std::make_unique<SqliteRows>(m_handle, m_filePath, sql, parameters);
}

void SqliteEngine::executeScript(const QString &sql)
{
    char *error = nullptr;
    const int rc = sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK)
        throwError(m_handle, rc, m_filePath);
}

void SqliteEngine::readRowsOnceThrough()
{
    // Each page is read once: a few of them cached are enough.
    executeScript(QStringLiteral("PRAGMA cache_size = -256"));
}

void SqliteEngine::setBusyTimeout(int milliseconds)
{
    sqlite3_busy_timeout(m_handle, milliseconds);
}

qint64 SqliteEngine::lastInsertRowId()
{
    return sqlite3_last_insert_rowid(m_handle);
}

void SqliteEngine::rollback()
{
    if (inTransaction())
        executeScript(QStringLiteral("ROLLBACK"));
}

bool SqliteEngine::inTransaction() const
{
    return !sqlite3_get_autocommit(m_handle);
}

int SqliteEngine::countRows(const QString &countingSql, const QVariantList &parameters)
{
    const SmallCacheWhileCounting smallCache(m_handle);
    SqliteRows counter(m_handle, m_filePath, countingSql, parameters);
    return counter.step() ? counter.value(0).toInt() : -1;
}

void SqliteEngine::requireBusinessTables()
{
    FileSchema::requireBusinessTables(*this);
}

void SqliteEngine::requireRssTables()
{
    FileSchema::requireRssTables(*this);
}

bool SqliteEngine::isReadOnly() const
{
    return sqlite3_db_readonly(m_handle, "main") == 1;
}

} // namespace db
