#include "records/RecordsetTableModel.h"

#include "db/DbError.h"
#include "db/Recordset.h"
#include "records/ShownValue.h"

#include <QCoreApplication>

namespace records {

namespace {

// The detail grids' columns: English shows their names as they are, other languages a
// heading of their own.
[[maybe_unused]] constexpr const char *GridColumns[] = {
    QT_TRANSLATE_NOOP("records::GridColumn", "EmpyoleeId"),
    QT_TRANSLATE_NOOP("records::GridColumn", "EmployeeDate"),
    QT_TRANSLATE_NOOP("records::GridColumn", "BusinessInformationId"),
    QT_TRANSLATE_NOOP("records::GridColumn", "EmployeeFirstName"),
    QT_TRANSLATE_NOOP("records::GridColumn", "EmployeeMiddleName"),
    QT_TRANSLATE_NOOP("records::GridColumn", "EmployeeLastName"),
    QT_TRANSLATE_NOOP("records::GridColumn", "EmployeePosition"),
    QT_TRANSLATE_NOOP("records::GridColumn", "EmployeeQualifications"),
    QT_TRANSLATE_NOOP("records::GridColumn", "BusinessLongTermGoalID"),
    QT_TRANSLATE_NOOP("records::GridColumn", "BusinessLongTermGoalDate"),
    QT_TRANSLATE_NOOP("records::GridColumn", "BusinessLongTermGoal"),
    QT_TRANSLATE_NOOP("records::GridColumn", "BusinessShortTermGoalID"),
    QT_TRANSLATE_NOOP("records::GridColumn", "BusinessShortTermGoalDate"),
    QT_TRANSLATE_NOOP("records::GridColumn", "BusinessShortTermGoal"),
};

} // namespace

RecordsetTableModel::RecordsetTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RecordsetTableModel::setRecordset(db::Recordset *recordset)
{
    for (auto &connection : m_connections)
        disconnect(connection);
    beginResetModel();
    m_recordset = recordset;
    endResetModel();
    if (!recordset)
        return;
    // The recordset reports changes after making them, so rows that come and go reset the model.
    m_connections[0] = connect(recordset, &db::Recordset::rowsReset, this, &RecordsetTableModel::reset);
    m_connections[1] = connect(recordset, &db::Recordset::rowInserted, this, &RecordsetTableModel::reset);
    m_connections[2] = connect(recordset, &db::Recordset::rowRemoved, this, &RecordsetTableModel::reset);
    m_connections[3] = connect(recordset, &db::Recordset::rowChanged, this, &RecordsetTableModel::rowChanged);
}

void RecordsetTableModel::reset()
{
    beginResetModel();
    endResetModel();
}

void RecordsetTableModel::rowChanged(int row)
{
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int RecordsetTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_recordset || !m_recordset->isOpen())
        return 0;
    return m_recordset->recordCount();
}

int RecordsetTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_recordset || !m_recordset->isOpen())
        return 0;
    return m_recordset->columnCount();
}

QVariant RecordsetTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_recordset || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QVariant value = m_recordset->valueAt(index.row(), index.column());
    // A Null cell is edited as empty text.
    if (role == Qt::EditRole && !value.isValid())
        return QString();
    // A date added, which the database fills, shows the locale's way.
    if (role == Qt::DisplayRole && !m_recordset->isColumnWritable(index.column()))
        return shownReadOnlyValue(value);
    return value;
}

QVariant RecordsetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The tool-tip names a column whose heading is cut short.
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !m_recordset)
        return {};
    if (orientation == Qt::Horizontal)
        return QCoreApplication::translate("records::GridColumn",
                                           m_recordset->columnName(section).toUtf8().constData());
    return {};
}

Qt::ItemFlags RecordsetTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    // The database fills keys and dates added; their cells only show them.
    if (m_recordset && m_recordset->isColumnWritable(index.column()))
        return shown | Qt::ItemIsEditable;
    return shown;
}

bool RecordsetTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_recordset)
        return false;
    try {
        m_recordset->moveTo(index.row());
        m_recordset->setValue(index.column(), value);
    } catch (const db::DbError &) {
        return false;
    }
    return true;
}

} // namespace records
