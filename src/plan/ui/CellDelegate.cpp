#include "plan/ui/CellDelegate.h"

#include "plan/ui/LineTables.h"
#include "plan/ui/LinesModel.h"
#include "plan/ui/PlanSession.h"

#include <QComboBox>
#include <QLineEdit>

namespace plan::ui {

CellDelegate::CellDelegate(const LinesModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{
}

QWidget *CellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const LineTable &table = m_model.table();
    const int column = index.column();
    const QString name = table.header(column);
    switch (table.editor(column)) {
    case CellEditor::Choice:
    case CellEditor::Employee: {
        auto *list = new QComboBox(parent);
        list->setAccessibleName(name);
        if (table.editor(column) == CellEditor::Choice) {
            list->addItems(table.choices(column));
        } else {
            list->addItem(QString()); // none
            for (const EmployeeChoice &employee : m_model.session().employees())
                list->addItem(employee.name);
        }
        return list;
    }
    case CellEditor::Typed: break;
    }
    auto *box = new QLineEdit(parent);
    box->setAccessibleName(name);
    const QPersistentModelIndex cell(index);
    connect(box, &QLineEdit::textEdited, this,
            [this, cell](const QString &text) { emit typing(m_model.check(cell, text)); });
    return box;
}

void CellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *list = qobject_cast<QComboBox *>(editor)) {
        const int found = list->findText(text, Qt::MatchExactly);
        if (found < 0)
            list->addItem(text); // a key the business no longer has, kept as it is
        list->setCurrentIndex(found < 0 ? list->count() - 1 : found);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, list->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace plan::ui
