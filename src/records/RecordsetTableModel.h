#pragma once

#include "db/Recordset.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace records {

// Shows a recordset as a table: one row per record, every column of the query headed
// by its name, cells edited in place except the key and date-added columns. Editing a
// cell of another row first moves the recordset there, which stores the row it leaves.
// A refused value is not taken (setData returns false); nothing is thrown.
class RecordsetTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RecordsetTableModel(QObject *parent = nullptr);

    // nullptr leaves the model empty (the grid unbound).
    void setRecordset(db::Recordset *recordset);
    db::Recordset *recordset() const { return m_recordset; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    void reset();
    void rowChanged(int row);

    QPointer<db::Recordset> m_recordset;
    QMetaObject::Connection m_connections[4];
};

} // namespace records
