#include "plan/ui/StatementsPage.h"

#include "plan/Statements.h"
#include "plan/ui/KeyFiguresText.h"
#include "plan/ui/PlanSession.h"
#include "plan/ui/StatementModel.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace plan::ui {

namespace {

struct StatementTable
{
    const char *name;
    const char *title;
    StatementModel::Pick pick;
};

const StatementTable Tables[] = {
    {"grdProfitAndLoss", QT_TRANSLATE_NOOP("plan::Statements", "Profit and loss"),
     [](const Statements &s) -> const Statement & { return s.profitAndLoss; }},
    {"grdCashFlow", QT_TRANSLATE_NOOP("plan::Statements", "Cash flow"),
     [](const Statements &s) -> const Statement & { return s.cashFlow; }},
    {"grdBalanceSheet", QT_TRANSLATE_NOOP("plan::Statements", "Balance sheet"),
     [](const Statements &s) -> const Statement & { return s.balanceSheet; }},
};

} // namespace

StatementsPage::StatementsPage(PlanSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_keyFigures(new QLabel(this))
    , m_cashWarning(new QLabel(this))
    , m_allMonths(new QCheckBox(tr("Show all 36 &months"), this))
{
    setObjectName(QStringLiteral("pageStatements"));
    m_keyFigures->setObjectName(QStringLiteral("lblKeyFigures"));
    m_keyFigures->setTextFormat(Qt::PlainText);
    m_keyFigures->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_cashWarning->setObjectName(QStringLiteral("lblCashWarning"));
    m_cashWarning->setTextFormat(Qt::PlainText);
    QFont bold = m_cashWarning->font();
    bold.setBold(true);
    m_cashWarning->setFont(bold);
    m_allMonths->setObjectName(QStringLiteral("chkAllMonths"));
    m_allMonths->setAccessibleName(tr("Show all 36 months"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_keyFigures);
    layout->addWidget(m_cashWarning);
    layout->addWidget(m_allMonths);
    for (const StatementTable &entry : Tables) {
        const QString title = shownStatementName(QLatin1String(entry.title));
        auto *heading = new QLabel(title, this);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        auto *model = new StatementModel(m_session.statements(), entry.pick, this);
        auto *table = new QTableView(this);
        table->setObjectName(QLatin1String(entry.name));
        table->setAccessibleName(title);
        table->setModel(model);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setTabKeyNavigation(false);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        // Rows of one line of text each, at a fixed height so that the table's own
        // height below fits them exactly.
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + 4);
        heading->setBuddy(table);
        // Every line shows at once; the page scrolls rather than each table.
        table->setFixedHeight(table->horizontalHeader()->sizeHint().height()
                              + model->rowCount() * table->verticalHeader()->defaultSectionSize()
                              + table->horizontalScrollBar()->sizeHint().height() + 2 * table->frameWidth());
        layout->addWidget(heading);
        layout->addWidget(table);
        m_models.push_back(model);
        m_tables.push_back(table);
    }
    layout->addStretch(1);
    connect(m_allMonths, &QCheckBox::toggled, this, &StatementsPage::showAllMonths);
    connect(&m_session, &PlanSession::changed, this, &StatementsPage::showStatements);
    showStatements();
}

void StatementsPage::showStatements()
{
    const Statements &statements = m_session.statements();
    m_keyFigures->setText(keyFigureLines(statements).join(u'\n'));
    const QString warning = plan::ui::cashWarning(statements);
    m_cashWarning->setText(warning);
    m_cashWarning->setVisible(!warning.isEmpty());
    for (StatementModel *model : m_models)
        model->refresh();
}

void StatementsPage::showAllMonths(bool all)
{
    for (StatementModel *model : m_models)
        model->setAllMonths(all);
}

} // namespace plan::ui
