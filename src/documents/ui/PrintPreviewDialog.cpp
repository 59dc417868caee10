#include "documents/ui/PrintPreviewDialog.h"

#include "ui/Buttons.h"
#include "ui/FitCaption.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace documents {

PrintPreviewDialog::PrintPreviewDialog(QPrinter &printer, const QString &documentName, QWidget *parent)
    : QDialog(parent)
    , m_preview(new QPrintPreviewWidget(&printer, this))
    , m_pages(new QLabel(this))
{
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(tr("Print Preview: %1").arg(documentName));
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAccessibleName(tr("Pages"));
    m_preview->fitToWidth();
    m_pages->setObjectName(QStringLiteral("lblPages"));
    m_pages->setTextFormat(Qt::PlainText);

    QPushButton *zoomOut = ui::makeButton(this, "cmdZoomOut", tr("Zoom &Out"));
    QPushButton *zoomIn = ui::makeButton(this, "cmdZoomIn", tr("Zoom &In"));
    QPushButton *print = ui::makeButton(this, "cmdPrint", tr("&Print..."));
    QPushButton *close = ui::makeButton(this, "cmdClose", tr("&Close"));
    print->setDefault(true);
    connect(zoomOut, &QPushButton::clicked, m_preview, [this] { m_preview->zoomOut(); });
    connect(zoomIn, &QPushButton::clicked, m_preview, [this] { m_preview->zoomIn(); });
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &PrintPreviewDialog::showPageCount);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_pages, 1);
    for (QPushButton *button : {zoomOut, zoomIn, print, close}) {
        ui::widenToCaption(button);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_preview, 1);
    layout->addLayout(buttons);

    // A page and a half in height where the screen has room.
    QSize size(760, 900);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
}

int PrintPreviewDialog::pageCount() const
{
    return m_preview->pageCount();
}

void PrintPreviewDialog::showPageCount()
{
    const int pages = m_preview->pageCount();
    m_pages->setText(pages == 1 ? tr("1 page") : tr("%Ln pages", nullptr, pages));
}

} // namespace documents
