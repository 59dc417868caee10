#include "plan/ui/LinesPage.h"

#include "plan/ui/CellDelegate.h"
#include "plan/ui/LineTables.h"
#include "plan/ui/LinesModel.h"
#include "ui/Buttons.h"
#include "ui/FitCaption.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace plan::ui {

namespace {

// The Add and Delete buttons' names for screen readers, a text per kind of line, since
// other languages inflect the kind.
struct ButtonNames
{
    const char *title;
    const char *add;
    const char *remove;
};

constexpr ButtonNames KindButtons[] = {
    {"Revenue", QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Add revenue line"),
     QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Delete revenue line")},
    {"People", QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Add people line"),
     QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Delete people line")},
    {"Expenses", QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Add expenses line"),
     QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Delete expenses line")},
    {"Financing", QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Add financing line"),
     QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Delete financing line")},
    {"Assets", QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Add assets line"),
     QT_TRANSLATE_NOOP("plan::ui::LinesPage", "Delete assets line")},
};

const ButtonNames &buttonNames(const QString &title)
{
    for (const ButtonNames &names : KindButtons) {
        if (title == QLatin1String(names.title))
            return names;
    }
    Q_ASSERT(false);
    return KindButtons[0];
}

} // namespace

LinesPage::LinesPage(PlanSession &session, const LineTable &table, QWidget *parent)
    : QWidget(parent)
    , m_model(new LinesModel(session, table, this))
    , m_grid(new QTableView(this))
    , m_add(::ui::makeButton(this, "cmdAdd", tr("&Add")))
    , m_delete(::ui::makeButton(this, "cmdDelete", tr("&Delete")))
    , m_message(new QLabel(this))
{
    const QString title = table.title();
    setObjectName(QStringLiteral("page") + title);
    m_grid->setObjectName(QStringLiteral("grdLines"));
    const QString caption = table.caption();
    m_grid->setAccessibleName(tr("%1 lines").arg(caption));
    m_grid->setModel(m_model);
    auto *delegate = new CellDelegate(*m_model, m_grid);
    m_grid->setItemDelegate(delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing starts editing, as in a spreadsheet; moving with the arrow keys does not.
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    // The arrow keys move from cell to cell; Tab goes on to Add and Delete, so the
    // keyboard never stays caught in the grid.
    m_grid->setTabKeyNavigation(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The name takes the room left over.
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    const ButtonNames &names = buttonNames(table.title());
    m_add->setAccessibleName(tr(names.add));
    m_delete->setAccessibleName(tr(names.remove));
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);

    ::ui::widenToCaption(m_add);
    ::ui::widenToCaption(m_delete);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_message, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_add, &QPushButton::clicked, this, &LinesPage::addLine);
    connect(m_delete, &QPushButton::clicked, this, &LinesPage::deleteLine);
    connect(m_model, &LinesModel::refused, this, &LinesPage::showMessage);
    connect(delegate, &CellDelegate::typing, this, &LinesPage::showMessage);
}

QString LinesPage::message() const
{
    return m_message->text();
}

void LinesPage::showMessage(const QString &text)
{
    m_message->setText(text);
}

void LinesPage::addLine()
{
    if (!m_model->addLine())
        return;
    // The cursor stands in the new line's first cell, ready for its name.
    const QModelIndex first = m_model->index(m_model->rowCount() - 1, 0);
    m_grid->setCurrentIndex(first);
    m_grid->setFocus();
    m_grid->edit(first);
}

void LinesPage::deleteLine()
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid()) {
        showMessage(tr("Choose the line to delete first."));
        return;
    }
    const int row = current.row();
    if (m_model->removeLine(row) && m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(std::min(row, m_model->rowCount() - 1), current.column()));
}

} // namespace plan::ui
