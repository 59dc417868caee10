#pragma once

#include <QStyledItemDelegate>

namespace plan::ui {

class LinesModel;

// The editors of a line grid's cells: a box for typed values, which says what is wrong
// with the text as it is typed, and a list for kinds, employees and yes/no.
class CellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    CellDelegate(const LinesModel &model, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    // What is wrong with the text being typed; empty once it is a value the cell takes.
    void typing(const QString &problem) const;

private:
    const LinesModel &m_model;
};

} // namespace plan::ui
