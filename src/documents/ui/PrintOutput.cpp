#include "documents/ui/PrintOutput.h"

#include "documents/ListPrinter.h"
#include "documents/PrintError.h"
#include "documents/PrintSurface.h"
#include "documents/TextPrinter.h"
#include "documents/ui/ListViewSource.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <optional>

namespace documents {

namespace {

bool askForPdfFile(QWidget *parent, QPrinter &printer)
{
    QString fileName = ui::Dialogs::saveFileName(parent, QStringLiteral("Save Printout as PDF"),
                                                 QStringLiteral("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return false;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return true;
}

// The PDF writer only says that it failed; opening the file ourselves tells why.
void checkOutputFile(const QPrinter &printer)
{
    if (printer.outputFileName().isEmpty())
        return;
    QFile file(printer.outputFileName());
    if (!file.open(QIODevice::WriteOnly))
        throw PrintError(QStringLiteral("The file %1 could not be written: %2")
                             .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
}

void checkPrinterState(const QPrinter &printer)
{
    if (printer.printerState() == QPrinter::Error)
        throw PrintError(QStringLiteral("The printer %1 reported an error.").arg(printer.printerName()));
    if (printer.printerState() == QPrinter::Aborted)
        throw PrintError(QStringLiteral("The print job was aborted."));
}

// Runs a printout; a failure is shown and gives false.
template <typename Printout> bool reportingFailures(QWidget *parent, Printout printout)
{
    try {
        return printout();
    } catch (const PrintError &error) {
        ui::Dialogs::message(parent, error.description());
        return false;
    }
}

// The print dialog (or the PDF file) in front of a printer surface.
class DialogDestination final : public PrintDestination
{
public:
    DialogDestination(QWidget *parent, const QString &documentName)
        : m_parent(parent)
        , m_printer(QPrinter::HighResolution)
    {
        m_printer.setDocName(documentName);
    }

    PrintSurface *open() override
    {
        if (!PrintOutput::choosePrinter(m_parent, m_printer))
            return nullptr;
        checkOutputFile(m_printer);
        m_surface.emplace(m_printer);
        return &*m_surface;
    }

    const QPrinter &printer() const { return m_printer; }

private:
    QWidget *m_parent;
    QPrinter m_printer;
    std::optional<PainterSurface> m_surface;
};

} // namespace

bool PrintOutput::printText(QWidget *parent, const QString &text, const QString &documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!useDefaultPrinter(parent, printer))
        return false;
    printer.setDocName(documentName);
    return reportingFailures(parent, [&] {
        checkOutputFile(printer);
        TextPrinter::print(text, printer);
        checkPrinterState(printer);
        return true;
    });
}

bool PrintOutput::printList(QWidget *parent, const QAbstractItemView &view, const QString &title)
{
    const ListViewSource source(view);
    ListPrinter listPrinter;
    listPrinter.reportTitle = title;
    DialogDestination destination(parent, title);
    return reportingFailures(parent, [&] {
        const bool printed = listPrinter.printList(source, destination);
        checkPrinterState(destination.printer());
        return printed;
    });
}

bool PrintOutput::useDefaultPrinter(QWidget *parent, QPrinter &printer)
{
    // A new QPrinter is already set up for the default printer.
    return ui::Dialogs::hasPrinter() || askForPdfFile(parent, printer);
}

bool PrintOutput::choosePrinter(QWidget *parent, QPrinter &printer)
{
    if (ui::Dialogs::hasPrinter())
        return ui::Dialogs::choosePrinter(parent, printer);
    return askForPdfFile(parent, printer);
}

} // namespace documents
