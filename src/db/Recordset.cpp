#include "db/Recordset.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Engine.h"
#include "db/QueryShape.h"
#include "db/RowPacker.h"
#include "db/RowWriter.h"
#include "db/SnapshotReader.h"
#include "db/Statement.h"
#include "db/schema/ColumnRoles.h"
#include "db/sql/SqlTokens.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace db {

namespace {

constexpr auto RowIdColumn = "__tallowmere_rowid";
constexpr int BackgroundChunkSize = 2000;
// The rest of a snapshot is read once the window that opened it has had time to show.
constexpr int BackgroundStartDelayMs = 200;
int firstChunkSize = 200;

// A statement whose rows map one to one onto rows of a single table can be changed.
bool mayMapToOneTable(const QList<sql::Token> &tokens)
{
    for (int i = 0; i < tokens.size(); ++i) {
        for (const char *word : {"DISTINCT", "UNION", "INTERSECT", "EXCEPT", "JOIN"}) {
            if (sql::isKeyword(tokens[i], QLatin1String(word)))
                return false;
        }
        if (sql::isKeyword(tokens[i], QLatin1String("GROUP"))) {
            const int next = sql::nextSignificant(tokens, i + 1);
            if (next >= 0 && sql::isKeyword(tokens[next], QLatin1String("BY")))
                return false;
        }
    }
    return true;
}

// Puts the row's identity in front of the selected columns, so stored changes can
// find their row whatever columns the statement lists.
QString withRowId(const QList<sql::Token> &tokens, const Engine &engine)
{
    const int select = sql::nextSignificant(tokens, 0);
    if (select < 0 || !sql::isKeyword(tokens[select], QLatin1String("SELECT")))
        return {};
    const int from = sql::findTopLevel(tokens, 0, QLatin1String("FROM"));
    const int table = from < 0 ? -1 : sql::nextSignificant(tokens, from + 1);
    const QString identity = engine.rowIdentity(table < 0 ? QString() : sql::bareName(tokens[table]));
    if (identity.isEmpty())
        return {};
    QList<sql::Token> result = tokens;
    result.insert(select + 1, {sql::TokenKind::Space,
                               u' ' % identity % QStringLiteral(" AS ") % QLatin1String(RowIdColumn) % u','});
    return sql::join(result);
}

} // namespace

void Recordset::setFirstChunkSize(int rows)
{
    firstChunkSize = std::max(1, rows);
}

Recordset::Recordset(QObject *parent)
    : QObject(parent)
    , m_cache(std::make_unique<RowCache>())
{
}

Recordset::~Recordset() = default;

void Recordset::open(const QString &sql, Connection &connection, CursorType cursorType, LockType lockType,
                     const QVariantList &parameters)
{
    if (isOpen())
        close();
    forgetRows();
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
    m_reader.reset();
    m_connection->settleReaders();
    // A static snapshot of many rows is read in chunks inside one read transaction,
    // so the first rows show at once and every row is as it was when the query ran.
    // Only where holding a snapshot open keeps no other connection of the file waiting.
    const bool lazy
        = m_cursorType == CursorType::Static && m_connection->readersBlockNoWriter() && !m_connection->inTransaction();
    if (lazy)
        m_connection->beginSnapshot();
    try {
        readSnapshot(lazy);
    } catch (const DbError &error) {
        closeAfterFailure(error.description());
        if (lazy) {
            try {
                m_connection->rollback();
            } catch (const DbError &) {
                // The failure being reported is the one that matters.
            }
        }
        throw;
    }
    if (!m_reader->done()) {
        m_reader->onFailure([this] {
            // Told later, as this may run while a view is asking for a value.
            QMetaObject::invokeMethod(
                this, [this] { emit rowsReset(); }, Qt::QueuedConnection);
        });
        scheduleBackgroundLoading(BackgroundStartDelayMs);
    }
}

void Recordset::readSnapshot(bool lazy)
{
    Engine &engine = *m_connection->engine();
    // Counted before the rows where the engine runs one statement at a time.
    int total = lazy && engine.traits().countsBeforeRows
                    ? engine.countRows(SnapshotReader::countingQuery(m_sql), m_parameters)
                    : -1;
    int first = 0;
    std::unique_ptr<Statement> statement = openStatement(first);
    std::unique_ptr<QueryShape> shape = readShape(*statement, first);
    if (lazy && !shape->names.isEmpty() && !engine.traits().countsBeforeRows)
        total = engine.countRows(SnapshotReader::countingQuery(statement->reusableText()), m_parameters);
    m_shape = std::move(shape);
    forgetRows();
    m_reader = std::make_unique<SnapshotReader>(*m_connection, *m_cache, std::move(statement), first, lazy, total);
    m_reader->read(total < 0 ? -1 : firstChunkSize);
    m_cache->setNextBookmark(m_cache->size() + m_reader->unread() + 1);
}

std::unique_ptr<Statement> Recordset::openStatement(int &firstColumn)
{
    firstColumn = 0;
    const QList<sql::Token> tokens = m_lockType == LockType::ReadOnly ? QList<sql::Token>() : sql::tokenize(m_sql);
    if (m_lockType != LockType::ReadOnly && mayMapToOneTable(tokens)) {
        const QString augmented = withRowId(tokens, *m_connection->engine());
        if (!augmented.isEmpty()) {
            try {
                firstColumn = 1;
                return std::make_unique<Statement>(*m_connection, augmented, m_parameters);
            } catch (const DbError &) {
                firstColumn = 0; // not a single-table query: a read-only snapshot
            }
        }
    }
    return std::make_unique<Statement>(*m_connection, m_sql, m_parameters);
}

std::unique_ptr<QueryShape> Recordset::readShape(const Statement &statement, int firstColumn)
{
    auto shape = std::make_unique<QueryShape>();
    const int count = statement.columnCount() - firstColumn;
    QStringList tables;
    for (int c = firstColumn; c < firstColumn + count; ++c) {
        shape->names << statement.columnName(c);
        shape->originColumns << statement.originColumn(c);
        shape->declaredTypes << statement.declaredType(c);
        const QString table = statement.originTable(c);
        if (!table.isEmpty() && !tables.contains(table, Qt::CaseInsensitive))
            tables << table;
    }
    if (firstColumn == 1 && tables.size() == 1) {
        shape->table = tables.first();
        shape->updatable = true;
    }
    shape->roles = shape->updatable ? columnRoles(shape->table, shape->originColumns)
                                    : std::vector<ColumnRole>(static_cast<size_t>(count), ColumnRole::Ordinary);
    return shape;
}

void Recordset::forgetRows()
{
    m_reader.reset();
    m_cache->clear();
    m_index = -1;
    m_currentDeleted = false;
}

void Recordset::closeAfterFailure(const QString &reason)
{
    // A recordset whose rows could not all be read is closed, never left with a count
    // that the rows it holds do not match.
    forgetRows();
    m_open = false;
    m_failure = reason;
    QMetaObject::invokeMethod(
        this, [this] { emit rowsReset(); }, Qt::QueuedConnection);
}

int Recordset::currentIndex() const
{
    return readingFailed() ? -1 : m_index;
}

bool Recordset::hasPendingChanges() const
{
    return m_cache->pending().has_value();
}

const RowCache::Row *Recordset::loadedRow(int index) const
{
    if (index < 0)
        return nullptr;
    if (m_reader)
        m_reader->readUpTo(index);
    // The rows read may be fewer than counted when the snapshot ended early.
    return index < m_cache->size() ? &m_cache->row(index) : nullptr;
}

void Recordset::finishLoading() const
{
    if (m_reader)
        m_reader->read(-1);
}

void Recordset::scheduleBackgroundLoading(int delayMs)
{
    if (m_loadingScheduled || !m_reader || m_reader->done() || !QCoreApplication::instance())
        return;
    m_loadingScheduled = true;
    QTimer::singleShot(delayMs, this, [this] {
        m_loadingScheduled = false;
        try {
            if (m_reader)
                m_reader->read(BackgroundChunkSize);
        } catch (const DbError &) {
            return; // the next access reads on and reports the failure where it is handled
        }
        scheduleBackgroundLoading();
    });
}

void Recordset::close()
{
    m_failure.clear();
    const bool wasOpen = isOpen();
    m_open = false;
    forgetRows();
    if (wasOpen)
        emit rowsReset();
}

bool Recordset::isUpdatable() const
{
    return isOpen() && m_shape && m_shape->updatable;
}

void Recordset::requireOpen() const
{
    if (isOpen())
        return;
    const QString failure = readingFailed() ? m_reader->failure() : m_failure;
    if (!failure.isEmpty())
        throw DbError(QStringLiteral("The recordset was closed when its rows could not be read: %1").arg(failure));
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
    return m_cache->size() + (m_reader ? m_reader->unread() : 0);
}

int Recordset::bookmark() const
{
    requireCurrentRow();
    const RowCache::Row *row = loadedRow(m_index);
    if (!row)
        throw DbError(QStringLiteral("No current record."));
    return row->bookmark;
}

int Recordset::indexOfBookmark(int bookmark) const
{
    // Until every row is read no row has moved, so a bookmark is its row's number.
    if (m_reader)
        m_reader->readUpTo(bookmark - 1);
    return m_cache->indexOfBookmark(bookmark);
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
    const RowCache::Row *target = loadedRow(index);
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
    const int index = m_cache->addNew(columnCount(), before);
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
    if (const std::optional<QVariant> change = m_cache->changeOf(row, column))
        return *change;
    const RowCache::Row *loaded = loadedRow(row);
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
    const auto &pending = m_cache->pending();
    if (!pending)
        return EditMode::None;
    return pending->isNew ? EditMode::Adding : EditMode::Editing;
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
    m_cache->change(m_index, column, columnCount(), value);
    emit rowChanged(m_index);
}

void Recordset::update()
{
    requireOpen();
    if (!hasPendingChanges())
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
    if (!hasPendingChanges())
        return;
    const RowCache::Pending &pending = *m_cache->pending();
    const int index = pending.index;
    RowCache::Row &row = m_cache->row(index);
    RowWriter writer(*m_connection, *m_shape);
    if (pending.isNew)
        row.rowId = writer.insert(pending);
    else
        writer.update(row, pending);
    m_cache->dropPending();
    // Shows what the database made of the row: its generated key and date added.
    row.values = writer.reread(row);
    emit rowChanged(index);
}

void Recordset::cancelUpdate()
{
    requireOpen();
    if (!hasPendingChanges())
        return;
    const RowCache::Pending pending = *m_cache->pending();
    m_cache->dropPending();
    if (pending.isNew) {
        m_cache->remove(pending.index);
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
    const auto &pending = m_cache->pending();
    const bool unsavedRow = pending && pending->index == index && pending->isNew;
    if (!unsavedRow)
        RowWriter(*m_connection, *m_shape).remove(m_cache->row(index));
    m_cache->dropPending();
    m_cache->remove(index);
    m_currentDeleted = true;
    emit rowRemoved(index);
}

} // namespace db
