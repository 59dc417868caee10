#include "documents/ui/ListViewSource.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>

namespace documents {

namespace {

const QHeaderView *horizontalHeader(const QAbstractItemView &view)
{
    if (const auto *tree = qobject_cast<const QTreeView *>(&view))
        return tree->header();
    if (const auto *table = qobject_cast<const QTableView *>(&view))
        return table->horizontalHeader();
    return nullptr;
}

Qt::Alignment toAlignment(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<Qt::Alignment>())
        return value.value<Qt::Alignment>();
    return Qt::Alignment(value.toInt());
}

} // namespace

ListViewSource::ListViewSource(const QAbstractItemView &view)
    : m_model(view.model())
    , m_root(view.rootIndex())
    , m_header(horizontalHeader(view))
    , m_font(view.font())
{
    if (!m_model)
        return;
    if (!m_header) {
        for (int column = 0; column < m_model->columnCount(m_root); ++column)
            m_columns.push_back(column);
        return;
    }
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int logical = m_header->logicalIndex(visual);
        if (!m_header->isSectionHidden(logical))
            m_columns.push_back(logical);
    }
}

QString ListViewSource::headerText(int column) const
{
    return m_model->headerData(m_columns[column], Qt::Horizontal, Qt::DisplayRole).toString();
}

double ListViewSource::headerWidth(int column) const
{
    return m_header ? m_header->sectionSize(m_columns[column]) : 1.0;
}

ColumnAlignment ListViewSource::headerAlignment(int column) const
{
    const QVariant value = m_model->headerData(m_columns[column], Qt::Horizontal, Qt::TextAlignmentRole);
    const Qt::Alignment alignment = value.isValid() ? toAlignment(value)
                                    : m_header      ? m_header->defaultAlignment()
                                                    : Qt::AlignLeft;
    if (alignment & Qt::AlignRight)
        return ColumnAlignment::Right;
    if (alignment & Qt::AlignHCenter)
        return ColumnAlignment::Center;
    return ColumnAlignment::Left;
}

int ListViewSource::itemCount() const
{
    return m_model ? m_model->rowCount(m_root) : 0;
}

bool ListViewSource::hasCell(int item, int column) const
{
    // A tree item with fewer columns than the view has no data in the others.
    return cellData(item, column).isValid();
}

QString ListViewSource::cellText(int item, int column) const
{
    return cellData(item, column).toString();
}

QVariant ListViewSource::cellData(int item, int column) const
{
    return m_model->index(item, m_columns[column], m_root).data(Qt::DisplayRole);
}

} // namespace documents
