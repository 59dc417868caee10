#include "documents/ui/ReportWindow.h"

#include "documents/BusinessReport.h"
#include "documents/LineBreaks.h"
#include "documents/ui/PrintOutput.h"
#include "documents/ui/ReportWindowLayout.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace documents {

namespace {

namespace Layout = ReportWindowLayout;

} // namespace

ReportWindow::ReportWindow(QWidget *parent)
    : TextDocumentWindow(parent)
    , m_text(ui::makeTextBox(client(), "Text1", tr("Report"), Layout::Text1))
    , m_close(ui::makeButton(client(), "Command1", tr("Close"), Layout::Command1))
    , m_print(ui::makeButton(client(), "Command2", tr("Print"), Layout::Command2))
{
    setObjectName(tr("Report"));
    setWindowTitle(tr("Report"));
    setClientSizeTwips(Layout::Client);
    setDocumentBox(m_text);

    // Long report lines scroll sideways rather than wrap, so the columns stay aligned.
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabOrder(m_text, m_close);
    setTabOrder(m_close, m_print);

    connect(m_close, &QPushButton::clicked, this, &ReportWindow::unload);
    connect(m_print, &QPushButton::clicked, this, &ReportWindow::printReport);
    client()->setMinimumSize(ui::twipsSize(Layout::Client));
    makeScrollable(client());
}

void ReportWindow::showForBusiness(qint64 businessInformationId)
{
    // The same business keeps the text as edited for printing; another one gets its own report.
    const bool otherBusiness = businessInformationId != m_businessInformationId;
    m_businessInformationId = businessInformationId;
    if (otherBusiness)
        reload();
    showWindow();
}

void ReportWindow::formLoad()
{
    const BusinessReport report = makeBusinessReport(m_businessInformationId);
    m_businessName = report.businessName;
    m_text->setPlainText(withDisplayLineBreaks(report.text));
}

void ReportWindow::formUnload()
{
    m_text->clear();
    m_businessName.clear();
}

QString ReportWindow::documentName() const
{
    return businessReportTitle(m_businessName, QDate::currentDate());
}

void ReportWindow::printReport()
{
    // The button goes straight to the default printer; the File menu asks first.
    PrintOutput::printText(this, documentText(), documentName());
}

} // namespace documents
