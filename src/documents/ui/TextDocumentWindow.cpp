#include "documents/ui/TextDocumentWindow.h"

#include "documents/LineBreaks.h"
#include "documents/ui/PrintOutput.h"
#include "ui/BackgroundPicture.h"
#include "ui/Twips.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace documents {

TextDocumentWindow::TextDocumentWindow(QWidget *parent)
    : ui::Window(parent)
    , m_menuBar(new QMenuBar(this))
    , m_fileMenu(m_menuBar->addMenu(tr("&File")))
    , m_client(new QWidget(this))
    , m_notice(new QLabel(this))
{
    m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
    m_client->setObjectName(QStringLiteral("clientArea"));
    ui::applyBackground(m_client);
    m_notice->setObjectName(QStringLiteral("lblNotice"));
    // Names from templates and businesses reach the notice: never read as markup.
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_notice->setContentsMargins(8, 4, 8, 4);
    m_notice->hide();
    closeOnEscape();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_client, 1);
    layout->addWidget(m_notice);

    const auto addCommand = [this](const char *name, const QString &caption, void (TextDocumentWindow::*slot)()) {
        QAction *action = m_fileMenu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    addCommand("mnuPrintPreview", tr("Print Pre&view..."), &TextDocumentWindow::previewDocument);
    addCommand("mnuPrint", tr("&Print..."), &TextDocumentWindow::printDocument)->setShortcut(QKeySequence::Print);
    addCommand("mnuSaveAsPdf", tr("Save as P&DF..."), &TextDocumentWindow::saveAsPdf);
}

void TextDocumentWindow::setClientSizeTwips(const ui::TwipsSize &size)
{
    const QSize client = ui::twipsSize(size);
    resize(client.width(), client.height() + m_menuBar->sizeHint().height());
}

void TextDocumentWindow::setNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

QString TextDocumentWindow::documentText() const
{
    return m_document ? withStoredLineBreaks(m_document->toPlainText()) : QString();
}

void TextDocumentWindow::previewDocument()
{
    PrintOutput::previewText(this, documentText(), documentName());
}

void TextDocumentWindow::printDocument()
{
    PrintOutput::printTextChoosingPrinter(this, documentText(), documentName());
}

void TextDocumentWindow::saveAsPdf()
{
    PrintOutput::saveTextAsPdf(this, documentText(), documentName());
}

} // namespace documents
