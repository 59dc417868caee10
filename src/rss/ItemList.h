#pragma once

#include "rss/CLsDataBaseConnection.h"
#include "rss/RssItem.h"
#include "rss/fediverse/AnnouncedItems.h"

#include <QAbstractTableModel>
#include <QTimer>

#include <memory>
#include <vector>

namespace rss {

// The rows of Tbl_Rss_Feed_Items as the item list shows them: "Id", "Title", "Link",
// "Description", then the day each was added and where it was announced, in the
// order the query returns them. A refresh puts the first rows
// in at once and the rest in slices from the event loop, so a long list shows
// without waiting for its last row. A cell shows the first PreviewLength characters
// of a longer text; items() keep every text whole.
class ItemList : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int PreviewLength = 1000;
    static constexpr int AnnouncedColumn = 5;

    explicit ItemList(QObject *parent = nullptr);
    ~ItemList() override;

    // Empties the list and reads every item again. Throws db::DbError when Rss.db
    // cannot be read; the list is then empty.
    void refresh();
    // Reads again where items were announced (after an announcing run).
    void refreshAnnouncements();
    // Puts the rows still waiting into the list now.
    void finishLoading();
    bool isLoading() const { return m_reader != nullptr; }
    // Stops reading and empties the list (the window unloads).
    void clear();

    // Every row, once loading has finished.
    const std::vector<RssItem> &items() const { return m_items; }
    const RssItem &item(int row) const { return m_items[static_cast<std::size_t>(row)]; }
    // The posts that announced that row's item, oldest first.
    QList<fediverse::AnnouncedPost> postsOf(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static void setSliceSizes(int first, int further);

signals:
    void loadingFinished();

private:
    void readSlice(int rows);
    void stopReading();

    std::vector<RssItem> m_items;
    std::unique_ptr<CLsDataBaseConnection> m_reader;
    db::Recordset *m_records = nullptr;
    int m_columns[5] = {};
    QHash<QString, QList<fediverse::AnnouncedPost>> m_posts;
    QTimer m_slices;
};

} // namespace rss
