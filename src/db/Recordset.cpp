#include "db/Recordset.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/RowPacking.h"
#include "db/Statement.h"
#include "db/schema/ColumnRoles.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>

namespace db {

namespace {

constexpr auto RowIdColumn = "__tallowmere_rowid";
constexpr auto ChangedByAnotherUser = "The row was changed or deleted by another user.";
constexpr int BackgroundChunkSize = 2000;
// The rest of a snapshot is read once the window that opened it has had time to show.
constexpr int BackgroundStartDelayMs = 200;
int firstChunkSize = 200;

QString quoted(const QString &name)
{
    return u'"' % QString(name).replace(u'"', QLatin1String("\"\"")) % u'"';
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

// A statement whose rows map one to one onto rows of a single table can be changed.
bool mayMapToOneTable(const QString &sql)
{
    static const QRegularExpression notOneToOne(
        QStringLiteral("\\b(DISTINCT|GROUP\\s+BY|UNION|INTERSECT|EXCEPT|JOIN)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return !notOneToOne.match(sql).hasMatch();
}

// Puts the table's row id in front of the selected columns, so stored changes can
// find their row whatever columns the statement lists.
QString withRowId(const QString &sql)
{
    static const QRegularExpression select(QStringLiteral("^\\s*SELECT\\b"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = select.match(sql);
    if (!match.hasMatch())
        return {};
    QString result = sql;
    result.insert(match.capturedEnd(), QStringLiteral(" _rowid_ AS ") % QLatin1String(RowIdColumn) % u',');
    return result;
}

} // namespace

struct Recordset::Shape
{
    QStringList names;
    QStringList originColumns;
    QStringList declaredTypes;
    std::vector<ColumnRole> roles;
    QString table;
    bool updatable = false;
};

// The statement still being read, with the read transaction that keeps its snapshot.
class Recordset::Loader
{
public:
    Loader(Connection &connection, std::unique_ptr<Statement> statement, int firstColumn, bool ownTransaction)
        : connection(connection)
        , statement(std::move(statement))
        , firstColumn(firstColumn)
        , ownTransaction(ownTransaction)
    {
    }

    ~Loader()
    {
        statement.reset();
        if (ownTransaction && connection.inTransaction()) {
            try {
                connection.commit();
            } catch (const DbError &) {
                // A read-only snapshot: nothing of it is lost when it cannot end cleanly.
            }
        }
    }

    Connection &connection;
    std::unique_ptr<Statement> statement;
    int firstColumn;
    bool ownTransaction;
};

void Recordset::setFirstChunkSize(int rows)
{
    firstChunkSize = std::max(1, rows);
}

Recordset::Recordset(QObject *parent)
    : QObject(parent)
{
}

Recordset::~Recordset()
{
    if (m_loader && m_connection)
        m_connection->releaseReader(this);
}

void Recordset::open(const QString &sql, Connection &connection, CursorType cursorType, LockType lockType,
                     const QVariantList &parameters)
{
    if (m_open)
        close();
    m_failure.clear();
    m_sql = sql;
    m_parameters = parameters;
    m_connection = &connection;
    m_cursorType = cursorType;
    m_lockType = lockType;
    try {
        load();
    } catch (const DbError &) {
        m_failure.clear(); // never opened: its failure is the one thrown now, nothing to recall later
        throw;
    }
    m_open = true;
    emit rowsReset();
    arriveAt(0);
}

void Recordset::load()
{
    if (m_loader) {
        m_connection->releaseReader(this);
        m_loader.reset();
    }
    m_connection->settleReaders();

    // A static snapshot of many rows is read in chunks inside one read transaction,
    // so the first rows show at once and every row is as it was when the query ran.
    // Only where holding a snapshot open keeps no other connection of the file waiting.
    const bool lazy
        = m_cursorType == CursorType::Static && m_connection->readersBlockNoWriter() && !m_connection->inTransaction();
    if (lazy)
        m_connection->beginSnapshot();
    try {
        // A server runs one statement at a time on a connection: the count comes before the rows.
        int serverTotal = -1;
        if (lazy && m_connection->server()) {
            Statement counter(*m_connection, countingQuery(m_sql), m_parameters, true); // one row: at once
            if (counter.step() && counter.columnCount() > 0)
                serverTotal = counter.value(0).toInt();
        }
        auto shape = std::make_unique<Shape>();
        std::unique_ptr<Statement> statement;
        int first = 0;
        if (m_lockType != LockType::ReadOnly && mayMapToOneTable(m_sql)) {
            const QString augmented = withRowId(m_sql);
            if (!augmented.isEmpty()) {
                try {
                    statement = std::make_unique<Statement>(*m_connection, augmented, m_parameters);
                    first = 1;
                } catch (const DbError &) {
                    statement.reset(); // not a single-table query: a read-only snapshot
                }
            }
        }
        if (!statement)
            statement = std::make_unique<Statement>(*m_connection, m_sql, m_parameters);

        const int count = statement->columnCount() - first;
        QStringList tables;
        for (int c = first; c < first + count; ++c) {
            shape->names << statement->columnName(c);
            shape->originColumns << statement->originColumn(c);
            shape->declaredTypes << statement->declaredType(c);
            const QString table = statement->originTable(c);
            if (!table.isEmpty() && !tables.contains(table, Qt::CaseInsensitive))
                tables << table;
        }
        if (first == 1 && tables.size() == 1) {
            shape->table = tables.first();
            shape->updatable = true;
        }
        shape->roles = shape->updatable ? columnRoles(shape->table, shape->originColumns)
                                        : std::vector<ColumnRole>(static_cast<size_t>(count), ColumnRole::Ordinary);

        int total = serverTotal;
        if (lazy && count > 0 && !m_connection->server()) {
            const SmallCacheWhileCounting smallCache(m_connection->handle());
            Statement counter(*m_connection, countingQuery(statement->reusableText()), m_parameters);
            if (counter.step())
                total = counter.value(0).toInt();
        }

        m_shape = std::move(shape);
        m_rows.clear();
        m_pending.reset();
        m_index = -1;
        m_currentDeleted = false;
        m_loader = std::make_unique<Loader>(*m_connection, std::move(statement), first, lazy);
        m_unloaded = std::max(total, 0);
        loadChunk(total < 0 ? -1 : firstChunkSize);
        m_nextBookmark = static_cast<int>(m_rows.size()) + m_unloaded + 1;
    } catch (const DbError &error) {
        abandonRows(error.description());
        if (lazy) {
            try {
                m_connection->rollback();
            } catch (const DbError &) {
                // The failure being reported is the one that matters.
            }
        }
        throw;
    }
    if (m_loader) {
        m_connection->deferReader(this, [this] { finishLoading(); });
        scheduleBackgroundLoading(BackgroundStartDelayMs);
    }
}

void Recordset::loadChunk(int rows) const
{
    if (!m_loader)
        return;
    Statement &statement = *m_loader->statement;
    const int first = m_loader->firstColumn;
    const int count = statement.columnCount() - first;
    bool more = true;
    for (int n = 0; rows < 0 || n < rows; ++n) {
        bool stepped = false;
        try {
            stepped = statement.step();
        } catch (const DbError &error) {
            abandonRows(error.description());
            throw;
        }
        if (!stepped) {
            more = false;
            break;
        }
        Row row;
        row.rowId = first == 1 ? statement.value(0).toLongLong() : 0;
        row.bookmark = static_cast<int>(m_rows.size()) + 1;
        row.values = statement.packedRow(first, count);
        m_rows.push_back(std::move(row));
        m_unloaded = std::max(m_unloaded - 1, 0);
    }
    if (!more) {
        // The count and the rows come from one snapshot; trust the rows if they differ.
        m_unloaded = 0;
        if (m_connection)
            m_connection->releaseReader(this);
        m_loader.reset();
    }
}

QString Recordset::countingQuery(const QString &statementText)
{
    // The statement as the engine took it, without anything after it.
    QString query = statementText.trimmed();
    while (query.endsWith(u';'))
        query = query.chopped(1).trimmed();
    // Counting needs no order, and without one SQLite counts from the table's pages
    // instead of stepping through every row; a LIMIT or OFFSET needs the order kept.
    static const QRegularExpression limited(QStringLiteral("\\b(LIMIT|OFFSET)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression trailingOrder(QStringLiteral("\\s+ORDER\\s+BY\\s+[\\w\\s,.\\[\\]\"]*$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    if (!limited.match(query).hasMatch())
        query.remove(trailingOrder);
    // On a line of its own, so that a comment ending the statement cannot swallow it.
    return QStringLiteral("SELECT count(*) FROM (") % query % QStringLiteral("\n) AS counted");
}

void Recordset::abandonRows(const QString &reason) const
{
    // A recordset whose rows could not all be read is closed, never left with a count
    // that the rows it holds do not match. Readers are const, hence the cast.
    auto *self = const_cast<Recordset *>(this);
    if (m_loader) {
        m_connection->releaseReader(this);
        m_loader.reset();
    }
    m_rows.clear();
    m_unloaded = 0;
    self->m_pending.reset();
    self->m_index = -1;
    self->m_currentDeleted = false;
    self->m_open = false;
    self->m_failure = reason;
    // Told later, as this may run while a view is asking for a value.
    QMetaObject::invokeMethod(
        self, [self] { emit self->rowsReset(); }, Qt::QueuedConnection);
}

const Recordset::Row *Recordset::loadedRow(int index) const
{
    if (index < 0)
        return nullptr;
    ensureLoaded(index);
    // The rows read may be fewer than counted when the snapshot ended early.
    return index < static_cast<int>(m_rows.size()) ? &m_rows[static_cast<size_t>(index)] : nullptr;
}

void Recordset::ensureLoaded(int index) const
{
    while (m_loader && index >= static_cast<int>(m_rows.size()))
        loadChunk(BackgroundChunkSize);
}

void Recordset::finishLoading() const
{
    loadChunk(-1);
}

void Recordset::scheduleBackgroundLoading(int delayMs)
{
    if (m_loadingScheduled || !m_loader || !QCoreApplication::instance())
        return;
    m_loadingScheduled = true;
    QTimer::singleShot(delayMs, this, [this] {
        m_loadingScheduled = false;
        try {
            loadChunk(BackgroundChunkSize);
        } catch (const DbError &) {
            return; // the next access reads on and reports the failure where it is handled
        }
        scheduleBackgroundLoading();
    });
}

void Recordset::close()
{
    m_failure.clear();
    if (!m_open)
        return;
    if (m_loader) {
        m_connection->releaseReader(this);
        m_loader.reset();
    }
    m_unloaded = 0;
    m_open = false;
    m_rows.clear();
    m_pending.reset();
    m_index = -1;
    m_currentDeleted = false;
    emit rowsReset();
}

bool Recordset::isUpdatable() const
{
    return m_open && m_shape && m_shape->updatable;
}

void Recordset::requireOpen() const
{
    if (!m_open && !m_failure.isEmpty())
        throw DbError(QStringLiteral("The recordset was closed when its rows could not be read: %1").arg(m_failure));
    if (!m_open)
        throw DbError(QStringLiteral("The recordset is not open."));
}

void Recordset::requireUpdatable() const
{
    requireOpen();
    if (!isUpdatable())
        throw DbError(QStringLiteral("The recordset cannot be changed: it is read-only."));
    // Changes are written on this connection, which must leave the read snapshot first.
    finishLoading();
}

void Recordset::requireCurrentRow() const
{
    requireOpen();
    if (m_currentDeleted)
        throw DbError(QStringLiteral("The current record has been deleted."));
    if (bof() || eof())
        throw DbError(QStringLiteral("No current record."));
}

bool Recordset::bof() const
{
    return recordCount() == 0 || m_index < 0;
}

bool Recordset::eof() const
{
    return recordCount() == 0 || m_index >= recordCount();
}

int Recordset::recordCount() const
{
    return static_cast<int>(m_rows.size()) + m_unloaded;
}

int Recordset::bookmark() const
{
    requireCurrentRow();
    const Row *row = loadedRow(m_index);
    if (!row)
        throw DbError(QStringLiteral("No current record."));
    return row->bookmark;
}

int Recordset::indexOfBookmark(int bookmark) const
{
    // Until every row is read no row has moved, so a bookmark is its row's number.
    if (m_loader)
        ensureLoaded(bookmark - 1);
    // Rows keep ascending bookmarks: new rows are appended with the next number.
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), bookmark,
                                     [](const Row &row, int value) { return row.bookmark < value; });
    if (it == m_rows.end() || it->bookmark != bookmark)
        return -1;
    return static_cast<int>(it - m_rows.begin());
}

void Recordset::setBookmark(int bookmark)
{
    requireOpen();
    const int index = indexOfBookmark(bookmark);
    if (index < 0)
        throw DbError(QStringLiteral("The bookmark %1 does not name a record of this recordset.").arg(bookmark));
    storePending();
    arriveAt(indexOfBookmark(bookmark));
}

void Recordset::arriveAt(int index)
{
    m_index = std::clamp(index, -1, recordCount());
    m_currentDeleted = false;
    emit moveComplete();
}

void Recordset::moveFirst()
{
    requireOpen();
    if (recordCount() == 0)
        throw DbError(QStringLiteral("No current record."));
    storePending();
    arriveAt(0);
}

void Recordset::moveLast()
{
    requireOpen();
    if (recordCount() == 0)
        throw DbError(QStringLiteral("No current record."));
    storePending();
    arriveAt(recordCount() - 1);
}

void Recordset::moveNext()
{
    requireOpen();
    if (!m_currentDeleted && eof())
        throw DbError(QStringLiteral("No current record."));
    storePending();
    // After a delete the following row has slid into the deleted row's place.
    arriveAt(m_currentDeleted ? m_index : m_index + 1);
}

void Recordset::movePrevious()
{
    requireOpen();
    if (!m_currentDeleted && bof())
        throw DbError(QStringLiteral("No current record."));
    storePending();
    arriveAt(m_index - 1);
}

void Recordset::moveTo(int index)
{
    requireOpen();
    if (index < 0 || index >= recordCount())
        throw DbError(QStringLiteral("No current record."));
    if (index == m_index && !m_currentDeleted)
        return;
    const Row *target = loadedRow(index);
    if (!target)
        throw DbError(QStringLiteral("No current record."));
    const int bookmarkOfTarget = target->bookmark;
    storePending();
    arriveAt(indexOfBookmark(bookmarkOfTarget));
}

void Recordset::requery()
{
    requireOpen();
    storePending();
    try {
        load();
    } catch (const DbError &) {
        emit rowsReset();
        throw;
    }
    emit rowsReset();
    arriveAt(0);
}

void Recordset::addNew()
{
    requireUpdatable();
    storePending();
    const int before = m_currentDeleted ? std::min(m_index, recordCount()) : m_index;
    Row row;
    row.bookmark = m_nextBookmark++;
    row.values = packNulls(columnCount());
    m_rows.push_back(std::move(row));
    const int index = recordCount() - 1;
    Pending pending;
    pending.index = index;
    pending.isNew = true;
    pending.indexBeforeAdd = before;
    pending.changes.resize(static_cast<size_t>(columnCount()));
    m_pending = std::move(pending);
    emit rowInserted(index);
    arriveAt(index);
}

int Recordset::columnCount() const
{
    return m_shape ? static_cast<int>(m_shape->names.size()) : 0;
}

QString Recordset::columnName(int column) const
{
    return m_shape->names.value(column);
}

int Recordset::columnIndex(const QString &name) const
{
    if (!m_shape)
        return -1;
    for (int i = 0; i < m_shape->names.size(); ++i) {
        if (m_shape->names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Recordset::checkedColumn(const QString &name) const
{
    requireOpen();
    const int column = columnIndex(name);
    if (column < 0)
        throw DbError(QStringLiteral("Column '%1' does not exist.").arg(name));
    return column;
}

int Recordset::checkedColumn(int column) const
{
    requireOpen();
    if (column < 0 || column >= columnCount())
        throw DbError(QStringLiteral("Column %1 does not exist.").arg(column));
    return column;
}

QVariant Recordset::value(const QString &column) const
{
    const int index = checkedColumn(column);
    requireCurrentRow();
    return fieldOf(m_index, index);
}

QVariant Recordset::value(int column) const
{
    checkedColumn(column);
    requireCurrentRow();
    return fieldOf(m_index, column);
}

QVariant Recordset::fieldOf(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= columnCount())
        return {};
    if (m_pending && m_pending->index == row) {
        const auto &change = m_pending->changes[static_cast<size_t>(column)];
        if (change)
            return *change;
    }
    const Row *loaded = loadedRow(row);
    return loaded ? unpackValue(loaded->values, column) : QVariant();
}

QVariant Recordset::valueAt(int row, int column) const
{
    try {
        return fieldOf(row, column);
    } catch (const DbError &) {
        return {}; // the recordset has closed itself and says why on the next operation
    }
}

EditMode Recordset::editMode() const
{
    if (!m_pending)
        return EditMode::None;
    return m_pending->isNew ? EditMode::Adding : EditMode::Editing;
}

void Recordset::setValue(const QString &column, const QVariant &value)
{
    setValue(checkedColumn(column), value);
}

bool Recordset::isColumnWritable(int column) const
{
    return isUpdatable() && column >= 0 && column < columnCount() && !m_shape->originColumns[column].isEmpty()
           && m_shape->roles[static_cast<size_t>(column)] == ColumnRole::Ordinary;
}

void Recordset::setValue(int column, const QVariant &value)
{
    checkedColumn(column);
    requireUpdatable();
    requireCurrentRow();
    if (m_shape->originColumns[column].isEmpty()) {
        throw DbError(QStringLiteral("Column '%1' cannot be changed: it is not a column of table %2.")
                          .arg(m_shape->names[column], m_shape->table));
    }
    // The database numbers its rows and dates them when they are added; a changed
    // key would move the row away from everything that refers to it.
    if (!isColumnWritable(column))
        throw DbError(QStringLiteral("The column '%1' cannot be changed.").arg(m_shape->names[column]));
    if (!m_pending) {
        Pending pending;
        pending.index = m_index;
        pending.changes.resize(static_cast<size_t>(columnCount()));
        m_pending = std::move(pending);
    }
    m_pending->changes[static_cast<size_t>(column)] = value;
    emit rowChanged(m_index);
}

void Recordset::update()
{
    requireOpen();
    if (!m_pending)
        requireCurrentRow();
    storePending();
}

void Recordset::updateBatch()
{
    requireOpen();
    storePending();
}

void Recordset::storePending()
{
    if (!m_pending)
        return;
    const Pending &pending = *m_pending;
    Row &row = m_rows[static_cast<size_t>(pending.index)];
    QStringList assignments;
    QStringList columns;
    QVariantList values;
    for (int c = 0; c < columnCount(); ++c) {
        const auto &change = pending.changes[static_cast<size_t>(c)];
        if (!change)
            continue;
        QVariant value = *change;
        // A cleared box means "no value" for a number or a date, not an empty text.
        const bool textColumn = m_shape->declaredTypes[c].contains(QLatin1String("TEXT"), Qt::CaseInsensitive);
        if (!textColumn && value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
            value = QVariant();
        columns << quoted(m_shape->originColumns[c]);
        assignments << quoted(m_shape->originColumns[c]) % QStringLiteral(" = ?");
        values << value;
    }

    const QString table = quoted(m_shape->table);
    if (pending.isNew) {
        QString sql;
        if (columns.isEmpty()) {
            sql = QStringLiteral("INSERT INTO ") % table % QStringLiteral(" DEFAULT VALUES");
        } else {
            QStringList marks;
            for (int i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO ") % table % QStringLiteral(" (") % columns.join(u',')
                  % QStringLiteral(") VALUES (") % marks.join(u',') % u')';
        }
        m_connection->execute(sql, values);
        row.rowId = m_connection->lastInsertRowId();
    } else if (!assignments.isEmpty()) {
        const QString sql = QStringLiteral("UPDATE ") % table % QStringLiteral(" SET ") % assignments.join(u',')
                            % unchangedRowCondition(row, values);
        if (m_connection->execute(sql, values) == 0)
            throw DbError(QString::fromLatin1(ChangedByAnotherUser));
    }
    const int index = pending.index;
    m_pending.reset();
    reloadRow(index);
    emit rowChanged(index);
}

QString Recordset::unchangedRowCondition(const Row &row, QVariantList &values) const
{
    // Optimistic locking: the row must still hold every value read from it, compared
    // exactly (a change of case is a change), or the statement touches nothing.
    QString condition = QStringLiteral(" WHERE _rowid_ = ?");
    values << row.rowId;
    for (int c = 0; c < columnCount(); ++c) {
        const QString &origin = m_shape->originColumns[c];
        if (origin.isEmpty())
            continue;
        condition += QStringLiteral(" AND ") % quoted(origin) % QStringLiteral(" IS ? COLLATE BINARY");
        values << unpackValue(row.values, c);
    }
    return condition;
}

void Recordset::reloadRow(int index)
{
    // Shows what the database made of the row: its generated key and date added.
    Row &row = m_rows[static_cast<size_t>(index)];
    QStringList selected;
    for (const QString &origin : m_shape->originColumns)
        selected << (origin.isEmpty() ? QStringLiteral("NULL") : quoted(origin));
    Statement statement(*m_connection,
                        QStringLiteral("SELECT ") % selected.join(u',') % QStringLiteral(" FROM ")
                            % quoted(m_shape->table) % QStringLiteral(" WHERE _rowid_ = ?"),
                        {row.rowId});
    if (!statement.step())
        return;
    QVariantList values;
    for (int c = 0; c < columnCount(); ++c)
        values << (m_shape->originColumns[c].isEmpty() ? unpackValue(row.values, c) : statement.value(c));
    row.values = packValues(values);
}

void Recordset::cancelUpdate()
{
    requireOpen();
    if (!m_pending)
        return;
    const Pending pending = *m_pending;
    m_pending.reset();
    if (pending.isNew) {
        m_rows.erase(m_rows.begin() + pending.index);
        emit rowRemoved(pending.index);
        m_index = std::clamp(pending.indexBeforeAdd, -1, recordCount());
        m_currentDeleted = false;
    } else {
        emit rowChanged(pending.index);
    }
}

void Recordset::deleteCurrent()
{
    requireUpdatable();
    requireCurrentRow();
    const int index = m_index;
    const bool unsavedRow = m_pending && m_pending->index == index && m_pending->isNew;
    if (!unsavedRow) {
        QVariantList values;
        const QString condition = unchangedRowCondition(m_rows[static_cast<size_t>(index)], values);
        if (m_connection->execute(QStringLiteral("DELETE FROM ") % quoted(m_shape->table) % condition, values) == 0)
            throw DbError(QString::fromLatin1(ChangedByAnotherUser));
    }
    m_pending.reset();
    m_rows.erase(m_rows.begin() + index);
    m_currentDeleted = true;
    emit rowRemoved(index);
}

} // namespace db
