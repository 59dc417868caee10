#pragma once

#include "documents/ListPrinter.h"

#include <QModelIndex>

#include <vector>

class QAbstractItemModel;
class QAbstractItemView;
class QHeaderView;

namespace documents {

// Reads a QTreeWidget, or any view with a horizontal header and a model, as a list to
// print: the visible columns in the order shown, with the header's texts, widths and
// alignments, and the view's top-level rows. A view without a header gives its model's
// columns in equal widths.
class ListViewSource final : public ListSource
{
public:
    explicit ListViewSource(const QAbstractItemView &view);

    int columnCount() const override { return static_cast<int>(m_columns.size()); }
    QString headerText(int column) const override;
    double headerWidth(int column) const override;
    ColumnAlignment headerAlignment(int column) const override;
    int itemCount() const override;
    bool hasCell(int item, int column) const override;
    QString cellText(int item, int column) const override;
    QFont font() const override { return m_font; }

private:
    QVariant cellData(int item, int column) const;

    const QAbstractItemModel *m_model;
    QModelIndex m_root;
    const QHeaderView *m_header;
    std::vector<int> m_columns; // model columns, in the order printed
    QFont m_font;
};

} // namespace documents
