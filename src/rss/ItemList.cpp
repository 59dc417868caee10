#include "rss/ItemList.h"

#include "base/Error.h"
#include "db/schema/SchemaTables.h"
#include "rss/RssStatements.h"

#include <QLocale>

#include <algorithm>
#include <iterator>

namespace rss {

namespace {

int firstSlice = 200;
int furtherSlice = 5000;

namespace column = db::tables::RssFeedItems;
constexpr db::tables::Name ColumnNames[]
    = {column::Id, column::Title, column::Link, column::Description, column::DateAdded};
constexpr int StoredColumns = std::size(ColumnNames);
constexpr const char *Headers[] = {"Id", "Title", "Link", "Description", "Added", "Announced"};
constexpr int Columns = std::size(Headers);

QString textOf(const QVariant &value)
{
    return value.isValid() ? value.toString() : QString();
}

// What a cell shows of a long text: laying out megabytes for one cell would hold
// the window up for seconds.
QString preview(const QString &text)
{
    if (text.size() <= ItemList::PreviewLength)
        return text;
    qsizetype cut = ItemList::PreviewLength;
    if (text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}

} // namespace

ItemList::ItemList(QObject *parent)
    : QAbstractTableModel(parent)
{
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, [this] { readSlice(furtherSlice); });
}

ItemList::~ItemList() = default;

void ItemList::setSliceSizes(int first, int further)
{
    firstSlice = std::max(1, first);
    furtherSlice = std::max(1, further);
}

void ItemList::refresh()
{
    stopReading();
    beginResetModel();
    m_items.clear();
    endResetModel();

    m_posts = fediverse::AnnouncedItems::everywhere();
    auto reader = std::make_unique<CLsDataBaseConnection>();
    // A snapshot read in chunks: the first rows come without waiting for the last.
    db::Recordset &records = reader->CreateRecordset(QLatin1String(SelectAllItems), db::CursorType::Static);
    for (int c = 0; c < StoredColumns; ++c)
        m_columns[c] = records.columnIndex(ColumnNames[c]);
    m_reader = std::move(reader);
    m_records = &records;
    readSlice(firstSlice);
}

void ItemList::finishLoading()
{
    while (m_reader)
        readSlice(furtherSlice);
}

void ItemList::clear()
{
    stopReading();
    beginResetModel();
    m_items.clear();
    endResetModel();
}

void ItemList::readSlice(int rows)
{
    if (!m_reader)
        return;
    std::vector<RssItem> slice;
    slice.reserve(static_cast<std::size_t>(rows));
    try {
        for (int n = 0; n < rows && !m_records->eof(); ++n) {
            RssItem item;
            QVariant values[StoredColumns];
            for (int c = 0; c < StoredColumns; ++c)
                values[c] = m_columns[c] >= 0 ? m_records->value(m_columns[c]) : QVariant();
            item.id = textOf(values[0]);
            item.title = textOf(values[1]);
            item.link = textOf(values[2]);
            item.description = textOf(values[3]);
            item.dateAdded = values[4].toDate(); // a date, or its yyyy-mm-dd text
            slice.push_back(std::move(item));
            m_records->moveNext();
        }
    } catch (const base::Error &) {
        stopReading(); // the rows read so far stay
    }
    if (!slice.empty()) {
        const int first = static_cast<int>(m_items.size());
        beginInsertRows({}, first, first + static_cast<int>(slice.size()) - 1);
        std::move(slice.begin(), slice.end(), std::back_inserter(m_items));
        endInsertRows();
    }
    if (m_reader && m_records->eof())
        stopReading();
    else if (m_reader && !m_slices.isActive())
        m_slices.start();
}

void ItemList::stopReading()
{
    const bool wasReading = m_reader != nullptr;
    m_slices.stop();
    if (m_reader)
        m_reader->DbClose();
    m_reader.reset();
    m_records = nullptr;
    if (wasReading)
        emit loadingFinished();
}

void ItemList::refreshAnnouncements()
{
    m_posts = fediverse::AnnouncedItems::everywhere();
    if (!m_items.empty())
        emit dataChanged(index(0, AnnouncedColumn), index(rowCount() - 1, AnnouncedColumn));
}

QList<fediverse::AnnouncedPost> ItemList::postsOf(int row) const
{
    return m_posts.value(item(row).id);
}

int ItemList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

int ItemList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ItemList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const RssItem &row = item(index.row());
    if (role == Qt::ToolTipRole && index.column() == AnnouncedColumn) {
        QStringList addresses;
        for (const fediverse::AnnouncedPost &post : m_posts.value(row.id))
            addresses << post.address;
        return addresses.isEmpty() ? QVariant() : addresses.join(u'\n');
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0: return row.id;
    case 1: return preview(row.title);
    case 2: return preview(row.link);
    case 3: return preview(row.description);
    case 4: return row.dateAdded.isValid() ? QLocale().toString(row.dateAdded, QLocale::ShortFormat) : QString();
    case AnnouncedColumn: {
        QStringList networks;
        for (const fediverse::AnnouncedPost &post : m_posts.value(row.id)) {
            const QString caption = fediverse::AnnouncedItems::networkCaption(post.network);
            if (!networks.contains(caption))
                networks << caption;
        }
        return networks.join(QStringLiteral(", "));
    }
    default: return {};
    }
}

QVariant ItemList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Columns)
        return {};
    return QLatin1String(Headers[section]);
}

} // namespace rss
