#include "records/ui/GridRecordForm.h"

#include "records/RecordsetTableModel.h"
#include "records/ui/GridFormLayout.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>

namespace records {

namespace {

namespace Layout = GridFormLayout;

// Key, date added and business key come first; typing starts in the column after them.
constexpr int FirstTypedColumn = 3;

// Cells edited in boxes that hold their stored text whole.
class WholeTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            ui::keepWholeText(line);
        return editor;
    }
};

} // namespace

// The grid, able to hand a cell's typing to the row before the editor is left.
class GridRecordForm::Grid : public QTableView
{
public:
    using QTableView::QTableView;

    void commitOpenEditor()
    {
        if (state() != EditingState)
            return;
        QWidget *editor = indexWidget(currentIndex());
        if (!editor)
            return;
        // A cell opened and left as it was does not make its row a changed one.
        const auto *line = qobject_cast<QLineEdit *>(editor);
        if (!line || line->isModified())
            commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
};

GridRecordForm::GridRecordForm(const DetailFormDefinition &definition, const QString &caption, QWidget *parent)
    : RecordFormWindow(std::make_unique<DetailFormController>(definition), Background::Plain, parent)
    , BusinessHandOver(*this, static_cast<DetailFormController &>(controller()))
{
    setWindowTitle(caption);
    m_model = new RecordsetTableModel(this);
    m_grid = new Grid(clientArea());
    m_grid->setObjectName(QStringLiteral("grdDataGrid"));
    m_grid->setAccessibleName(caption.trimmed());
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new WholeTextDelegate(m_grid));
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                            | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    m_grid->verticalHeader()->setDefaultSectionSize(ui::twipsToPixels(Layout::RowHeight));
    m_grid->verticalHeader()->hide();
    ui::place(m_grid, Layout::Grid);

    connect(&controller(), &RecordFormController::fieldsBound, this, &GridRecordForm::bindGrid);
    connect(&controller(), &RecordFormController::fieldsUnbound, this, [this] { bindGrid(nullptr); });
    connect(&controller(), &RecordFormController::gridFocusRequested, this, [this] { m_grid->setFocus(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, &GridRecordForm::showCurrentRecord);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_following && current.isValid())
                    moveToGridRow(current.row());
            });

    setClientSizeTwips(Layout::Client);
}

QTableView *GridRecordForm::grid() const
{
    return m_grid;
}

void GridRecordForm::settleTyping()
{
    m_grid->commitOpenEditor();
}

void GridRecordForm::focusFirstField()
{
    m_grid->setFocus();
}

DetailFormController &GridRecordForm::detail() const
{
    return static_cast<DetailFormController &>(controller());
}

void GridRecordForm::bindGrid(db::Recordset *recordset)
{
    disconnect(m_moveConnection);
    m_model->setRecordset(recordset);
    if (recordset) {
        m_moveConnection = connect(recordset, &db::Recordset::moveComplete, this, &GridRecordForm::showCurrentRecord);
        fitColumns();
    }
}

void GridRecordForm::fitColumns()
{
    // Columns are as wide as their values, not their long names, so the typed columns
    // stay in sight; the last one takes what is left.
    const QAbstractItemView *view = m_grid;
    const int narrowest = ui::twipsToPixels(Layout::NarrowestColumn);
    const int widest = std::max(narrowest, m_grid->viewport()->width() / 2);
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_grid->setColumnWidth(column, std::clamp(view->sizeHintForColumn(column), narrowest, widest));
}

void GridRecordForm::showCurrentRecord()
{
    db::Recordset *recordset = m_model->recordset();
    if (!recordset || recordset->bof() || recordset->eof())
        return;
    const int row = recordset->currentIndex();
    int column = m_grid->currentIndex().isValid() ? m_grid->currentIndex().column() : FirstTypedColumn;
    column = std::min(column, m_model->columnCount() - 1);
    m_following = true;
    m_grid->setCurrentIndex(m_model->index(row, column));
    m_following = false;
}

void GridRecordForm::moveToGridRow(int row)
{
    db::Recordset *recordset = m_model->recordset();
    if (!recordset)
        return;
    controller().moveToRow(row);
    if (recordset->currentIndex() != row) {
        // The move failed (a refused store of the row left): the grid shows the row that
        // Delete, Edit and Update act on again, once the click that chose another is done.
        QMetaObject::invokeMethod(this, &GridRecordForm::showCurrentRecord, Qt::QueuedConnection);
    }
}

void GridRecordForm::layoutBody(std::optional<int> gridHeightTwips)
{
    QRect geometry = m_grid->geometry();
    geometry.setWidth(clientArea()->width());
    if (gridHeightTwips)
        geometry.setHeight(ui::twipsToPixels(*gridHeightTwips));
    m_grid->setGeometry(geometry);
}

bool GridRecordForm::isEditingCell() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && m_grid->viewport()->isAncestorOf(focus);
}

bool GridRecordForm::eventFilter(QObject *watched, QEvent *event)
{
    // While a cell is being edited its keys belong to the cell, so nothing typed is lost.
    if (event->type() == QEvent::KeyPress && isEditingCell())
        return QObject::eventFilter(watched, event);
    return RecordFormWindow::eventFilter(watched, event);
}

} // namespace records
