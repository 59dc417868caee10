#pragma once

#include <QByteArray>
#include <QVariant>

#include <optional>
#include <vector>

namespace db {

// The rows a recordset holds: those read so far in the query's order, each with a
// bookmark that stays with it until the next requery, and the changes of the one row
// being edited or added.
class RowCache
{
public:
    struct Row
    {
        qint64 rowId = 0;
        int bookmark = 0;
        QByteArray values; // packed, see RowPacker.h
    };
    struct Pending
    {
        int index = -1;
        bool isNew = false;
        int indexBeforeAdd = -1;
        std::vector<std::optional<QVariant>> changes;
    };

    void clear();
    int size() const { return static_cast<int>(m_rows.size()); }
    Row &row(int index) { return m_rows[static_cast<size_t>(index)]; }
    const Row &row(int index) const { return m_rows[static_cast<size_t>(index)]; }
    // A row read from the query: its bookmark is its number.
    void appendRead(qint64 rowId, QByteArray values);
    // Bookmarks of added rows follow those of every row the query holds, read or not.
    void setNextBookmark(int bookmark) { m_nextBookmark = bookmark; }
    // Appends an empty row to be filled in, and returns its index.
    int addNew(int columnCount, int indexBefore);
    void remove(int index);
    // Among the rows read; -1 when none has it.
    int indexOfBookmark(int bookmark) const;

    const std::optional<Pending> &pending() const { return m_pending; }
    void change(int index, int column, int columnCount, const QVariant &value);
    // The field as changed and not stored yet, if it was.
    std::optional<QVariant> changeOf(int index, int column) const
    {
        if (!m_pending || m_pending->index != index)
            return std::nullopt;
        return m_pending->changes[static_cast<size_t>(column)];
    }
    void dropPending() { m_pending.reset(); }

private:
    std::vector<Row> m_rows;
    std::optional<Pending> m_pending;
    int m_nextBookmark = 1;
};

} // namespace db
