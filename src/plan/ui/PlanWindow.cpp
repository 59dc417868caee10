#include "plan/ui/PlanWindow.h"

#include "base/Error.h"
#include "documents/ui/PrintOutput.h"
#include "plan/StatementsCsv.h"
#include "plan/ui/ChartModule.h"
#include "plan/ui/ChartsPage.h"
#include "plan/ui/LineTables.h"
#include "plan/ui/LinesModel.h"
#include "plan/ui/LinesPage.h"
#include "plan/ui/PlanPrintout.h"
#include "plan/ui/PlanSession.h"
#include "plan/ui/SettingsPage.h"
#include "plan/ui/StatementsPage.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace plan::ui {

namespace {

// The line tables live as long as the program: the grids read their columns.
const std::vector<std::unique_ptr<LineTable>> &lineTables()
{
    static const std::vector<std::unique_ptr<LineTable>> tables = LineTable::all();
    return tables;
}

// The window's design size (twips): room for year 1's twelve months and the years.
constexpr int DesignWidth = 15600;
constexpr int DesignHeight = 10200;

} // namespace

PlanWindow::PlanWindow(QWidget *parent)
    : ::ui::Window(parent)
    , m_session(new PlanSession(this))
{
    setObjectName(QStringLiteral("frmFinancialPlan"));
    setWindowTitle(tr("Financial Plan"));
    auto *menuBar = new QMenuBar(this);
    QMenu *file = menuBar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    buildFileMenu(file);

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("clientArea"));
    m_body->setMinimumSize(::ui::twipsSize(DesignWidth, DesignHeight));
    new QVBoxLayout(m_body);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_body, 1);
    closeOnEscape();
    // Smaller than its design size (an 800 x 600 screen), the window scrolls.
    makeScrollable(m_body);
    resize(::ui::twipsSize(DesignWidth, DesignHeight) + QSize(0, menuBar->sizeHint().height()));
}

PlanWindow::~PlanWindow() = default;

void PlanWindow::buildFileMenu(QMenu *file)
{
    const auto addCommand = [this, file](const char *name, const QString &caption, void (PlanWindow::*slot)()) {
        QAction *action = file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    addCommand("mnuSaveAsPdf", tr("Save as P&DF..."), &PlanWindow::saveAsPdf);
    addCommand("mnuPrintPreview", tr("Print Pre&view..."), &PlanWindow::printPreview);
    addCommand("mnuPrint", tr("&Print..."), &PlanWindow::print)->setShortcut(QKeySequence::Print);
    file->addSeparator();
    addCommand("mnuExportStatements", tr("&Export Statements..."), &PlanWindow::exportStatements);
}

void PlanWindow::buildTabs()
{
    m_tabs = new QTabWidget(m_body);
    m_tabs->setObjectName(QStringLiteral("tabPlan"));
    m_tabs->setAccessibleName(tr("Financial plan"));
    m_tabs->addTab(new SettingsPage(*m_session), tr("Settings"));
    for (const std::unique_ptr<LineTable> &table : lineTables())
        m_tabs->addTab(new LinesPage(*m_session, *table), table->caption());
    auto *statements = new QScrollArea;
    statements->setObjectName(QStringLiteral("scrStatements"));
    statements->setWidgetResizable(true);
    statements->setWidget(new StatementsPage(*m_session));
    m_tabs->addTab(statements, tr("Statements"));
    auto *charts = new QScrollArea;
    charts->setObjectName(QStringLiteral("scrCharts"));
    charts->setWidgetResizable(true);
    charts->setWidget(new ChartsPage(*m_session));
    m_tabs->addTab(charts, tr("Charts"));
    m_body->layout()->addWidget(m_tabs);
}

void PlanWindow::showForBusiness(qint64 businessInformationId)
{
    const bool other = businessInformationId != m_businessInformationId;
    m_businessInformationId = businessInformationId;
    if (isLoaded() && other)
        reload();
    showWindow();
}

void PlanWindow::formLoad()
{
    m_session->load(m_businessInformationId, QDate::currentDate());
    setWindowTitle(tr("Financial Plan - %1").arg(m_session->businessName()));
    buildTabs();
}

void PlanWindow::formUnload()
{
    delete m_tabs;
    m_tabs = nullptr;
}

bool PlanWindow::queryClose()
{
    QString refusal;
    const auto remember = [&refusal](const QString &why) {
        if (!why.isEmpty())
            refusal = why;
    };
    std::vector<QMetaObject::Connection> watching;
    for (const LinesPage *page : findChildren<LinesPage *>())
        watching.push_back(connect(page->model(), &LinesModel::refused, this, remember));
    for (const SettingsPage *page : findChildren<SettingsPage *>())
        watching.push_back(connect(page, &SettingsPage::refused, this, remember));
    // Leaving the box being typed in stores it, as moving on to another would.
    if (QWidget *typing = QApplication::focusWidget(); typing && isAncestorOf(typing))
        typing->clearFocus();
    for (const QMetaObject::Connection &connection : watching)
        disconnect(connection);
    if (refusal.isEmpty())
        return true;
    ::ui::Dialogs::message(this, tr("What was typed last could not be stored, so the window stays open: "
                                    "%1")
                                     .arg(refusal));
    return false;
}

QString PlanWindow::documentName() const
{
    return tr("Financial Plan - %1, %2").arg(m_session->businessName(), QDate::currentDate().toString(Qt::ISODate));
}

documents::PrintOutput::Printout PlanWindow::printout()
{
    ChartDrawing *charts = nullptr;
    try {
        charts = &ChartModule::drawing();
    } catch (const base::Error &error) {
        ::ui::Dialogs::message(this,
                               tr("The financial plan cannot be printed with its charts. %1").arg(error.description()));
        return {};
    }
    const PlanPrintout made(m_session->businessName(), m_session->plan(), m_session->statements(), *charts);
    return [made](QPagedPaintDevice &device, const documents::PageProgress &progress) {
        return made.print(device, progress);
    };
}

void PlanWindow::saveAsPdf()
{
    if (const documents::PrintOutput::Printout plan = printout())
        documents::PrintOutput::saveAsPdf(this, plan, documentName());
}

void PlanWindow::printPreview()
{
    if (const documents::PrintOutput::Printout plan = printout())
        documents::PrintOutput::preview(this, plan, documentName());
}

void PlanWindow::print()
{
    if (const documents::PrintOutput::Printout plan = printout())
        documents::PrintOutput::printChoosingPrinter(this, plan, documentName());
}

void PlanWindow::exportStatements()
{
    QString fileName
        = ::ui::Dialogs::saveFileName(this, tr("Export Statements"), tr("CSV files (*.csv)"),
                                      documents::PrintOutput::fileNameFor(
                                          tr("Statements - %1").arg(m_session->businessName()), QStringLiteral("csv")));
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".csv");
    // Written whole under another name, then put in place: a failed export leaves the
    // file that was there before.
    QSaveFile file(fileName);
    const QByteArray csv = statementsCsv(m_session->statements(), ByteOrderMark::With);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        ::ui::Dialogs::message(this, tr("The statements could not be written to %1: %2")
                                         .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return;
    }
    ::ui::Dialogs::information(this, tr("The statements were written to %1.").arg(QDir::toNativeSeparators(fileName)),
                               tr("Export Statements"));
}

} // namespace plan::ui
