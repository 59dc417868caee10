#pragma once

#include <QAbstractTableModel>

namespace plan::ui {

class LineTable;
class PlanSession;

// One tab's lines as an editable grid: a row per line, a column per field. What is
// typed into a cell is stored with the whole plan once it is a value the field takes;
// otherwise nothing changes and refused() says why.
class LinesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    LinesModel(PlanSession &session, const LineTable &table, QObject *parent = nullptr);

    const LineTable &table() const { return m_table; }
    const PlanSession &session() const { return m_session; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // Why the text would be refused in the cell; empty when it would be taken.
    QString check(const QModelIndex &index, const QString &typed) const;
    // A new line at the end, stored at once; false (with refused()) when it could not be.
    bool addLine();
    bool removeLine(int row);

signals:
    void refused(const QString &why);

private:
    void followSession();

    PlanSession &m_session;
    const LineTable &m_table;
    int m_shownRows;
};

} // namespace plan::ui
