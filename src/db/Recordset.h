#pragma once

#include "db/RowCache.h"
#include "db/SnapshotReader.h"

#include <QObject>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

namespace db {

class Connection;
class Statement;
struct QueryShape;

enum class CursorType {
    ForwardOnly = 0,
    Static = 3
};
enum class LockType {
    ReadOnly = 1,
    Optimistic = 3
};
enum class EditMode {
    None,
    Editing,
    Adding
};

// Rows of one query held in memory (a static client-side snapshot), with a current
// row, bookmarks and changes stored back to the query's table.
//
// Values: a Null field reads as an invalid QVariant (!isValid()); empty text reads as
// an empty QString. Integers read as qlonglong, reals as double, text as QString.
//
// Every completed move (open, each move, addNew, a bookmark assignment, requery)
// emits moveComplete() synchronously before the call returns. A changed row is
// stored when the recordset leaves it or on update()/updateBatch().
//
// Every failure throws DbError and leaves the recordset where it was.
class Recordset : public QObject
{
    Q_OBJECT

public:
    explicit Recordset(QObject *parent = nullptr);
    ~Recordset() override;

    // Parameters bind to '?' placeholders in the statement text.
    void open(const QString &sql, Connection &connection, CursorType cursorType = CursorType::ForwardOnly,
              LockType lockType = LockType::ReadOnly, const QVariantList &parameters = {});
    void close();
    bool isOpen() const { return m_open && !readingFailed(); }
    bool isUpdatable() const;

    bool bof() const;
    bool eof() const;
    int recordCount() const;

    // Bookmarks are positive numbers that stay with their row until the next requery.
    int bookmark() const;
    void setBookmark(int bookmark);

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // Moves to the row at a 0-based index (grids select rows this way).
    void moveTo(int index);
    void requery();

    void addNew();
    // Key and date-added columns are filled by the database and refused here, as are
    // columns computed by the query.
    void setValue(const QString &column, const QVariant &value);
    void setValue(int column, const QVariant &value);
    bool isColumnWritable(int column) const;
    QVariant value(const QString &column) const;
    QVariant value(int column) const;

    // Stores the current row's pending changes. A row changed or deleted by another
    // connection since it was read is not overwritten: DbError, with the position and
    // the pending changes kept.
    void update();
    // Stores every pending change of the recordset.
    void updateBatch();
    // Drops the current row's pending changes; a row added with addNew() disappears
    // and the row that was current before it becomes current again.
    void cancelUpdate();
    // Deletes the current row from the table at once. The position stays on the
    // deleted row until the next move; moveNext() then goes to the row after it.
    void deleteCurrent();

    EditMode editMode() const;
    bool hasPendingChanges() const;

    int columnCount() const;
    QString columnName(int column) const;
    int columnIndex(const QString &name) const; // -1 when unknown

    // Position as a 0-based row index: -1 before the first row, recordCount() after the last.
    int currentIndex() const;
    // Value of any row without moving to it, pending changes included. Never throws
    // (views ask for values while painting): Null when the row cannot be read.
    QVariant valueAt(int row, int column) const;

    QString sql() const { return m_sql; }
    // How many rows a static recordset reads when it opens; the rest follow in the
    // background and whenever a row is needed. Tests make it small.
    static void setFirstChunkSize(int rows);

signals:
    void moveComplete();
    void rowsReset();
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowChanged(int row);

private:
    // Reading the rows: the snapshot's statement, its shape, and the reader of its rows.
    void load();
    void readSnapshot(bool lazy);
    std::unique_ptr<Statement> openStatement(int &firstColumn);
    std::unique_ptr<QueryShape> readShape(const Statement &statement, int firstColumn);
    void closeAfterFailure(const QString &reason);
    void scheduleBackgroundLoading(int delayMs = 0);
    // Const reads ask the reader for rows not read yet: the rows are its to fill.
    void finishLoading() const;
    const RowCache::Row *loadedRow(int index) const; // null past the rows the snapshot holds
    QVariant fieldOf(int row, int column) const;
    int indexOfBookmark(int bookmark) const;
    bool readingFailed() const { return m_reader && m_reader->failed(); }

    void requireOpen() const;
    void requireUpdatable() const;
    void requireCurrentRow() const;
    int checkedColumn(const QString &name) const;
    int checkedColumn(int column) const;
    void storePending();
    void arriveAt(int index);
    void forgetRows();

    bool m_open = false;
    QString m_sql;
    QVariantList m_parameters;
    Connection *m_connection = nullptr;
    CursorType m_cursorType = CursorType::ForwardOnly;
    LockType m_lockType = LockType::ReadOnly;
    std::unique_ptr<QueryShape> m_shape;
    std::unique_ptr<RowCache> m_cache;
    std::unique_ptr<SnapshotReader> m_reader; // fills m_cache until the last row is in
    int m_index = -1;
    bool m_currentDeleted = false;
    bool m_loadingScheduled = false;
    QString m_failure; // why reading the rows failed, when that closed the recordset
};

} // namespace db
