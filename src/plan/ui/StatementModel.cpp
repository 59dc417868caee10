#include "plan/ui/StatementModel.h"

#include "plan/Statements.h"
#include "plan/ui/PlanText.h"

namespace plan::ui {

namespace {

constexpr int Year1Months = 12;

} // namespace

StatementModel::StatementModel(const Statements &statements, Pick pick, QObject *parent)
    : QAbstractTableModel(parent)
    , m_statements(statements)
    , m_pick(pick)
{
}

const Statement &StatementModel::statement() const
{
    return m_pick(m_statements);
}

void StatementModel::setAllMonths(bool all)
{
    if (all == m_allMonths)
        return;
    beginResetModel();
    m_allMonths = all;
    endResetModel();
}

void StatementModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int StatementModel::monthColumns() const
{
    return m_allMonths ? PlanMonths : Year1Months;
}

int StatementModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(statement().lines.size());
}

int StatementModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : monthColumns() + PlanYears;
}

QVariant StatementModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const StatementLine &line = statement().line(index.row());
    const int column = index.column();
    const Money amount = column < monthColumns() ? line.months.at(static_cast<size_t>(column))
                                                 : line.years.at(static_cast<size_t>(column - monthColumns()));
    return shownAmount(amount, m_locale);
}

QVariant StatementModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section < rowCount() ? shownStatementName(statement().line(section).name) : QVariant();
    if (section < monthColumns())
        return m_locale.toString(m_statements.calendarMonth(section + 1).firstDay(), QStringLiteral("MMM yyyy"));
    return tr("Year %1").arg(section - monthColumns() + 1);
}

} // namespace plan::ui
