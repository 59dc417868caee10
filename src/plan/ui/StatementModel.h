#pragma once

#include <QAbstractTableModel>
#include <QLocale>

namespace plan {
struct Statement;
struct Statements;
} // namespace plan

namespace plan::ui {

// One statement as a read-only table, months across: year 1 month by month and the
// three years' columns, or all 36 months before them. Amounts in the locale, negatives
// in parentheses.
class StatementModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using Pick = const Statement &(*)(const Statements &);

    StatementModel(const Statements &statements, Pick pick, QObject *parent = nullptr);

    void setAllMonths(bool all);
    bool allMonths() const { return m_allMonths; }
    // The statements have been computed anew.
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int monthColumns() const;
    const Statement &statement() const;

    const Statements &m_statements;
    Pick m_pick;
    bool m_allMonths = false;
    QLocale m_locale;
};

} // namespace plan::ui
