#include "plan/ui/LinesModel.h"

#include "plan/ui/LineTables.h"
#include "plan/ui/PlanSession.h"

namespace plan::ui {

LinesModel::LinesModel(PlanSession &session, const LineTable &table, QObject *parent)
    : QAbstractTableModel(parent)
    , m_session(session)
    , m_table(table)
    , m_shownRows(table.rowCount(session.plan()))
{
    connect(&m_session, &PlanSession::changed, this, &LinesModel::followSession);
}

void LinesModel::followSession()
{
    // The plan may have changed anywhere (another tab, a load). With as many lines as
    // before, the cells change in place, so the grid keeps its current cell and editor.
    const int rows = rowCount();
    if (rows == m_shownRows) {
        if (rows > 0)
            emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_shownRows = rows;
    endResetModel();
}

int LinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount(m_session.plan());
}

int LinesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

QVariant LinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return m_table.text(m_session, index.row(), index.column());
    if (role == Qt::TextAlignmentRole && m_table.editor(index.column()) == CellEditor::Typed && index.column() > 0)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant LinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_table.header(section);
    return section + 1;
}

Qt::ItemFlags LinesModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QString LinesModel::check(const QModelIndex &index, const QString &typed) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    return m_table.check(m_session, m_session.plan(), index.row(), index.column(), typed);
}

bool LinesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    Plan changed = m_session.plan();
    QString why = m_table.write(m_session, changed, index.row(), index.column(), value.toString());
    if (why.isEmpty())
        why = m_session.apply(changed);
    if (!why.isEmpty()) {
        emit refused(why);
        return false;
    }
    emit refused(QString());
    return true;
}

bool LinesModel::addLine()
{
    Plan changed = m_session.plan();
    m_table.add(changed);
    const QString why = m_session.apply(changed);
    emit refused(why);
    return why.isEmpty();
}

bool LinesModel::removeLine(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    Plan changed = m_session.plan();
    m_table.remove(changed, row);
    const QString why = m_session.apply(changed);
    emit refused(why);
    return why.isEmpty();
}

} // namespace plan::ui
