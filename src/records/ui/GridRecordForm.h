#pragma once

#include "records/DetailFormController.h"
#include "records/ui/BusinessHandOver.h"
#include "records/ui/RecordFormWindow.h"

class QTableView;

namespace records {

class RecordsetTableModel;

// A record form that lists the rows of one business in a grid (grdDataGrid), one grid
// row per record, cells edited in place. The grid's current row and the recordset's
// current row follow each other. The main form shows it for the business on screen.
class GridRecordForm : public RecordFormWindow, public BusinessHandOver
{
    Q_OBJECT

public:
    GridRecordForm(const DetailFormDefinition &definition, const QString &caption, QWidget *parent = nullptr);

    DetailFormController &detail() const;
    QTableView *grid() const;

protected:
    void layoutBody(std::optional<int> gridHeightTwips) override;
    bool hasGrid() const override { return true; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void settleTyping() override;
    void focusFirstField() override;

private:
    void bindGrid(db::Recordset *recordset);
    void fitColumns();
    void showCurrentRecord();
    void moveToGridRow(int row);
    bool isEditingCell() const;

    class Grid;
    Grid *m_grid = nullptr;
    RecordsetTableModel *m_model = nullptr;
    QMetaObject::Connection m_moveConnection;
    bool m_following = false;
};

} // namespace records
