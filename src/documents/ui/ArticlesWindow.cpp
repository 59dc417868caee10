#include "documents/ui/ArticlesWindow.h"

#include "documents/LineBreaks.h"
#include "documents/MergeInputsLoader.h"
#include "documents/OpenDocument.h"
#include "documents/PrintError.h"
#include "documents/TemplateMerge.h"
#include "documents/ui/ArticlesWindowLayout.h"
#include "documents/ui/LongLines.h"
#include "documents/ui/PrintOutput.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>

namespace documents {

namespace {

namespace Layout = ArticlesWindowLayout;

// The caption before a document is shown.
QString designCaption()
{
    return QCoreApplication::translate("documents::ArticlesWindow", "Report Article Of Corporation");
}

// Soft yellow, as a highlighter pen leaves it: readable under any text colour.
const QColor FieldWithoutValueColour(255, 230, 120);

QString fieldsWithoutValueNotice(const QStringList &fields)
{
    if (fields.isEmpty())
        return {};
    // English, written in the code, has its singular apart; the other languages take
    // their plural forms from the count.
    const int count = static_cast<int>(fields.size());
    const QString notice
        = count == 1 ? QCoreApplication::translate(
              "documents::ArticlesWindow", "1 field has no value: %1. They stay in the text as written, highlighted.")
                     : QCoreApplication::translate("documents::ArticlesWindow",
                                                   "%n fields have no value: %1. They stay in the text as written, "
                                                   "highlighted.",
                                                   nullptr, count);
    return notice.arg(fields.join(QStringLiteral(", ")));
}

} // namespace

ArticlesWindow::ArticlesWindow(QWidget *parent)
    : TextDocumentWindow(parent)
    , m_text(ui::makeTextBox(client(), "Text1", tr("Document"), Layout::Text1))
{
    setObjectName(QStringLiteral("rptArticlesOfCorporation"));
    setWindowTitle(designCaption());
    setClientSizeTwips(Layout::Client);
    client()->setMinimumSize(ui::twipsSize({Layout::Text1.left + Layout::SmallestText.width + Layout::RightMargin,
                                            Layout::Text1.top + Layout::SmallestText.height + Layout::BottomMargin}));
    client()->installEventFilter(this);
    setDocumentBox(m_text);
    watchForLongLines(m_text);

    QAction *save = fileMenu()->addAction(tr("Save as D&ocument..."));
    save->setObjectName(QStringLiteral("mnuSaveAsDocument"));
    connect(save, &QAction::triggered, this, &ArticlesWindow::saveAsDocument);
    fileMenu()->addSeparator();
    QAction *copy = fileMenu()->addAction(tr("Copy &All"));
    copy->setObjectName(QStringLiteral("mnuCopyAll"));
    connect(copy, &QAction::triggered, this, &ArticlesWindow::copyAll);
}

void ArticlesWindow::showTemplate(const QString &reportName, qint64 businessInformationId)
{
    const bool sameDocument = reportName == m_reportName && businessInformationId == m_businessInformationId;
    m_reportName = reportName;
    m_businessInformationId = businessInformationId;
    if (!sameDocument)
        reload();
    showWindow();
}

void ArticlesWindow::formLoad()
{
    const MergedDocument document = mergeTemplate(loadMergeInputs(m_reportName, m_businessInformationId));
    setWindowTitle(document.caption.value_or(designCaption()));
    const QString text = withDisplayLineBreaks(document.text);
    fitWrappingToText(m_text, text);
    m_text->setPlainText(text);
    m_fieldsWithoutValue = document.fieldsWithoutValue;
    markFieldsWithoutValue();
    setNotice(fieldsWithoutValueNotice(m_fieldsWithoutValue));
}

void ArticlesWindow::formUnload()
{
    setWindowTitle(designCaption());
    m_text->clear();
    m_text->setExtraSelections({});
    m_fieldsWithoutValue.clear();
    setNotice({});
}

bool ArticlesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client() && event->type() == QEvent::Resize)
        fitTextToWindow();
    return TextDocumentWindow::eventFilter(watched, event);
}

void ArticlesWindow::fitTextToWindow()
{
    // The text box grows and shrinks with the window, its scroll bar always inside it.
    const int width = std::max(ui::pixelsToTwips(client()->width()) - Layout::Text1.left - Layout::RightMargin,
                               Layout::SmallestText.width);
    const int height = std::max(ui::pixelsToTwips(client()->height()) - Layout::Text1.top - Layout::BottomMargin,
                                Layout::SmallestText.height);
    ui::place(m_text, {Layout::Text1.left, Layout::Text1.top, width, height});
}

void ArticlesWindow::markFieldsWithoutValue()
{
    // Extra selections move with the text when the person edits it.
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat format;
    format.setBackground(FieldWithoutValueColour);
    format.setForeground(Qt::black);
    QTextDocument *document = m_text->document();
    for (const QString &field : m_fieldsWithoutValue) {
        QTextCursor found = document->find(field, 0, QTextDocument::FindCaseSensitively);
        while (!found.isNull()) {
            marks.append({found, format});
            found = document->find(field, found, QTextDocument::FindCaseSensitively);
        }
    }
    m_text->setExtraSelections(marks);
}

void ArticlesWindow::saveAsDocument()
{
    QString fileName = ui::Dialogs::saveFileName(this, tr("Save as Document"), tr("OpenDocument text (*.odt)"),
                                                 PrintOutput::fileNameFor(documentName(), QStringLiteral("odt")));
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".odt");
    try {
        saveOpenDocument(documentText(), fileName);
    } catch (const PrintError &error) {
        ui::Dialogs::message(this, error.description());
    }
}

void ArticlesWindow::copyAll()
{
    QGuiApplication::clipboard()->setText(m_text->toPlainText());
}

} // namespace documents
