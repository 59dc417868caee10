#include "documents/ui/PrintOutput.h"

#include "documents/ListPrinter.h"
#include "documents/PrintError.h"
#include "documents/PrintSurface.h"
#include "documents/TextPrinter.h"
#include "documents/ui/ListViewSource.h"
#include "documents/ui/PageProgressDialog.h"
#include "documents/ui/PrintPreviewDialog.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

namespace documents {

namespace {

using Printout = PrintOutput::Printout;

Printout textPrintout(const QString &text)
{
    return [text](QPagedPaintDevice &device, const PageProgress &progress) {
        return TextPrinter::print(text, device, progress);
    };
}

Printout listPrintout(const ListSource &list, const QString &title)
{
    return [&list, title](QPagedPaintDevice &device, const PageProgress &progress) {
        ListPrinter printer;
        printer.reportTitle = title;
        printer.progress = progress;
        PainterSurface surface(device);
        return printer.printList(list, surface);
    };
}

QString withSuffix(QString fileName, const QString &suffix)
{
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += u'.' + suffix;
    return fileName;
}

bool askForPdfFile(QWidget *parent, QPrinter &printer, const QString &caption, const QString &startName = {})
{
    const QString fileName = ui::Dialogs::saveFileName(
        parent, caption, QCoreApplication::translate("documents::PrintOutput", "PDF files (*.pdf)"), startName);
    if (fileName.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(withSuffix(fileName, QStringLiteral("pdf")));
    return true;
}

// A PDF is written under a working name beside the chosen file and takes its place
// only once whole, so a printout that fails or is stopped leaves an earlier file with
// that name as it was. Making the working file also tells why a folder cannot be
// written, which the PDF writer does not say.
class PdfInPlace
{
public:
    explicit PdfInPlace(QPrinter &printer)
        : m_printer(printer)
        , m_target(printer.outputFileName())
    {
        if (m_target.isEmpty())
            return;
        const QFileInfo target(m_target);
        if (target.exists() && !target.isWritable())
            throw PrintError(QCoreApplication::translate("documents::PrintOutput",
                                                         "The file %1 could not be written: it may only be read.")
                                 .arg(QDir::toNativeSeparators(m_target)));
        QTemporaryFile working(target.absolutePath() + QStringLiteral("/.") + target.fileName()
                               + QStringLiteral(".XXXXXX"));
        working.setAutoRemove(false);
        if (!working.open())
            throw PrintError(
                QCoreApplication::translate("documents::PrintOutput", "The file %1 could not be written: %2")
                    .arg(QDir::toNativeSeparators(m_target), working.errorString()));
        m_working = working.fileName();
        m_printer.setOutputFileName(m_working);
    }

    ~PdfInPlace()
    {
        if (!m_working.isEmpty())
            QFile::remove(m_working);
        m_printer.setOutputFileName(m_target);
    }

    void keep()
    {
        if (m_working.isEmpty())
            return;
        if (std::rename(QFile::encodeName(m_working).constData(), QFile::encodeName(m_target).constData()) != 0)
            throw PrintError(
                QCoreApplication::translate("documents::PrintOutput", "The file %1 could not be written: %2")
                    .arg(QDir::toNativeSeparators(m_target), QString::fromLocal8Bit(std::strerror(errno))));
        m_working.clear();
    }

    const QString &target() const { return m_target; }

private:
    QPrinter &m_printer;
    QString m_target;
    QString m_working;
};

void checkPrinterState(const QPrinter &printer)
{
    if (printer.printerState() == QPrinter::Error)
        throw PrintError(QCoreApplication::translate("documents::PrintOutput", "The printer %1 reported an error.")
                             .arg(printer.printerName()));
    if (printer.printerState() == QPrinter::Aborted)
        throw PrintError(QCoreApplication::translate("documents::PrintOutput", "The print job was aborted."));
}

// Runs a printout; a failure is shown and gives false.
template <typename Steps> bool reportingFailures(QWidget *parent, Steps steps)
{
    try {
        return steps();
    } catch (const PrintError &error) {
        ui::Dialogs::message(parent, error.description());
        return false;
    }
}

// Says what a stopped printout left behind. A PDF file cut short is never kept. A print
// job is aborted where the printer's driver can take it back; otherwise the pages made
// so far are handed over with the end of the document, and the person learns so.
void reportStop(QWidget *parent, const QPrinter &printer, int pagesDone, const QString &pdfFile)
{
    if (!pdfFile.isEmpty()) {
        ui::Dialogs::message(parent,
                             QCoreApplication::translate("documents::PrintOutput",
                                                         "Printing was stopped after page %1, as asked. The file %2 "
                                                         "was not written.")
                                 .arg(pagesDone)
                                 .arg(QDir::toNativeSeparators(pdfFile)));
    } else if (printer.printerState() == QPrinter::Aborted) {
        ui::Dialogs::message(parent,
                             QCoreApplication::translate("documents::PrintOutput",
                                                         "Printing was stopped after page %1, as asked. Nothing was "
                                                         "printed.")
                                 .arg(pagesDone));
    } else {
        ui::Dialogs::message(parent,
                             QCoreApplication::translate("documents::PrintOutput",
                                                         "Printing was stopped after page %1, as asked. The pages "
                                                         "made until then went to the printer %2; the rest "
                                                         "was not printed.")
                                 .arg(pagesDone)
                                 .arg(printer.printerName()));
    }
}

// Prints on a printer that is set up already, with progress when it takes long.
bool produce(QWidget *parent, QPrinter &printer, const Printout &printout)
{
    return reportingFailures(parent, [&] {
        PdfInPlace pdf(printer);
        PageProgressDialog progress(parent, QCoreApplication::translate("documents::PrintOutput", "Printing"));
        const PageProgress pageDone = progress.callback();
        // The job is aborted while it is still open, before the printout ends it.
        const auto abortWhenStopped = [&](int pages, double share) {
            if (pageDone(pages, share))
                return true;
            printer.abort();
            return false;
        };
        if (!printout(printer, abortWhenStopped)) {
            reportStop(parent, printer, progress.pagesDone(), pdf.target());
            return false;
        }
        checkPrinterState(printer);
        pdf.keep();
        return true;
    });
}

// Shows the pages; true when the user chose to print them.
bool previewPrintout(QWidget *parent, QPrinter &printer, const Printout &printout, const QString &documentName)
{
    PrintPreviewDialog dialog(printer, documentName, parent);
    std::optional<PrintError> failure;
    int stoppedAfter = 0;
    {
        PageProgressDialog progress(parent,
                                    QCoreApplication::translate("documents::PrintOutput", "Preparing the preview"));
        QObject::connect(dialog.preview(), &QPrintPreviewWidget::paintRequested, &dialog, [&](QPrinter *device) {
            try {
                if (!printout(*device, progress.callback()))
                    stoppedAfter = progress.pagesDone();
            } catch (const PrintError &error) {
                failure = error;
            }
        });
        dialog.preview()->updatePreview();
    }
    if (failure)
        throw *failure;
    if (stoppedAfter > 0) {
        ui::Dialogs::message(parent,
                             QCoreApplication::translate("documents::PrintOutput",
                                                         "The preview was stopped after page %1, as asked. Nothing was "
                                                         "printed.")
                                 .arg(stoppedAfter));
        return false;
    }
    return dialog.exec() == QDialog::Accepted;
}

// A printer for the preview: the default printer's pages, or a PDF page where there is none.
void setUpForPreview(QPrinter &printer, const QString &documentName)
{
    printer.setDocName(documentName);
    if (!ui::Dialogs::hasPrinter())
        printer.setOutputFormat(QPrinter::PdfFormat);
}

} // namespace

bool PrintOutput::printChoosingPrinter(QWidget *parent, const Printout &printout, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (!choosePrinter(parent, printer))
        return false;
    return produce(parent, printer, printout);
}

bool PrintOutput::saveAsPdf(QWidget *parent, const Printout &printout, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (!askForPdfFile(parent, printer, QCoreApplication::translate("documents::PrintOutput", "Save as PDF"),
                       fileNameFor(documentName, QStringLiteral("pdf"))))
        return false;
    return produce(parent, printer, printout);
}

bool PrintOutput::preview(QWidget *parent, const Printout &printout, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpForPreview(printer, documentName);
    return reportingFailures(parent, [&] {
        return previewPrintout(parent, printer, printout, documentName) && choosePrinter(parent, printer)
               && produce(parent, printer, printout);
    });
}

bool PrintOutput::printText(QWidget *parent, const QString &text, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!useDefaultPrinter(parent, printer))
        return false;
    printer.setDocName(documentName);
    return produce(parent, printer, textPrintout(text));
}

bool PrintOutput::printTextChoosingPrinter(QWidget *parent, const QString &text, const QString &documentName)
{
    return printChoosingPrinter(parent, textPrintout(text), documentName);
}

bool PrintOutput::saveTextAsPdf(QWidget *parent, const QString &text, const QString &documentName)
{
    return saveAsPdf(parent, textPrintout(text), documentName);
}

bool PrintOutput::previewText(QWidget *parent, const QString &text, const QString &documentName)
{
    return preview(parent, textPrintout(text), documentName);
}

bool PrintOutput::printList(QWidget *parent, const QAbstractItemView &view, const QString &title)
{
    // The rows as they are now: the window stays usable while a long list prints.
    const ListCopy list{ListViewSource(view)};
    if (list.itemCount() == 0 || list.columnCount() == 0)
        return true;
    QPrinter printer(QPrinter::HighResolution);
    setUpForPreview(printer, title);
    const Printout printout = listPrintout(list, title);
    return reportingFailures(parent, [&] {
        return previewPrintout(parent, printer, printout, title) && choosePrinter(parent, printer)
               && produce(parent, printer, printout);
    });
}

QString PrintOutput::fileNameFor(const QString &documentName, const QString &suffix)
{
    QString name = documentName;
    name.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|]+)")), QStringLiteral(" "));
    return name.simplified() + u'.' + suffix;
}

bool PrintOutput::useDefaultPrinter(QWidget *parent, QPrinter &printer)
{
    // A new QPrinter is already set up for the default printer.
    return ui::Dialogs::hasPrinter()
           || askForPdfFile(parent, printer,
                            QCoreApplication::translate("documents::PrintOutput", "Save Printout as PDF"));
}

bool PrintOutput::choosePrinter(QWidget *parent, QPrinter &printer)
{
    if (ui::Dialogs::hasPrinter())
        return ui::Dialogs::choosePrinter(parent, printer);
    return askForPdfFile(parent, printer,
                         QCoreApplication::translate("documents::PrintOutput", "Save Printout as PDF"));
}

} // namespace documents
