#include "db/RowCache.h"

#include "db/RowPacker.h"

#include <algorithm>

namespace db {

void RowCache::clear()
{
    m_rows.clear();
    m_pending.reset();
    m_nextBookmark = 1;
}

void RowCache::appendRead(qint64 rowId, QByteArray values)
{
    m_rows.push_back({rowId, size() + 1, std::move(values)});
}

int RowCache::addNew(int columnCount, int indexBefore)
{
    m_rows.push_back({0, m_nextBookmark++, packNulls(columnCount)});
    Pending pending;
    pending.index = size() - 1;
    pending.isNew = true;
    pending.indexBeforeAdd = indexBefore;
    pending.changes.resize(static_cast<size_t>(columnCount));
    m_pending = std::move(pending);
    return size() - 1;
}

void RowCache::remove(int index)
{
    m_rows.erase(m_rows.begin() + index);
}

int RowCache::indexOfBookmark(int bookmark) const
{
    // Rows keep ascending bookmarks: new rows are appended with the next number.
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), bookmark,
                                     [](const Row &row, int value) { return row.bookmark < value; });
    if (it == m_rows.end() || it->bookmark != bookmark)
        return -1;
    return static_cast<int>(it - m_rows.begin());
}

void RowCache::change(int index, int column, int columnCount, const QVariant &value)
{
    if (!m_pending) {
        Pending pending;
        pending.index = index;
        pending.changes.resize(static_cast<size_t>(columnCount));
        m_pending = std::move(pending);
    }
    m_pending->changes[static_cast<size_t>(column)] = value;
}

} // namespace db
