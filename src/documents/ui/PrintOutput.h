#pragma once

#include "documents/PageProgress.h"

#include <QString>

#include <functional>

class QAbstractItemView;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace documents {

// Where printed output goes, and the printouts that windows start: a plain text (the
// business report, a merged document) and a list view as a ruled table.
//
// With a printer installed, output goes to the default printer (the report's Print
// button) or to the printer chosen in the print dialog. Without one, the user names a
// PDF file and the output is written there instead. A long printout shows its progress
// page by page and can be cancelled; what was made by then is said. Every failure of
// the printer or the file is shown in a message box that names the reason; nothing is
// reported as printed unless the output was produced.
class PrintOutput
{
public:
    // Draws a whole printout on a device, a page at a time, telling progress after each;
    // false when progress asked to stop. Throws PrintError when the device refuses.
    using Printout = std::function<bool(QPagedPaintDevice &, const PageProgress &)>;

    // Any printout through the same three ways as a text: the print dialog, a PDF file
    // the user names, and the preview (whose Print goes on to the print dialog).
    static bool printChoosingPrinter(QWidget *parent, const Printout &printout, const QString &documentName);
    static bool saveAsPdf(QWidget *parent, const Printout &printout, const QString &documentName);
    static bool preview(QWidget *parent, const Printout &printout, const QString &documentName);

    // Prints text page after page: every CR LF starts a new line, tabs are expanded,
    // long lines wrap. documentName names the print job (and the PDF's title).
    // True when the output was produced; false when the user cancelled the choice of
    // a PDF file or printing failed (the reason has been shown).
    static bool printText(QWidget *parent, const QString &text, const QString &documentName);
    // The same on the printer chosen in the print dialog.
    static bool printTextChoosingPrinter(QWidget *parent, const QString &text, const QString &documentName);
    // The same into a PDF file the user names, laid out as on paper, its text searchable.
    static bool saveTextAsPdf(QWidget *parent, const QString &text, const QString &documentName);
    // Shows the pages of the text; its Print goes on as printTextChoosingPrinter does.
    static bool previewText(QWidget *parent, const QString &text, const QString &documentName);

    // Prints the rows of view (a QTreeWidget, or any view with a header and a model)
    // as a ruled table with title on every page: first a preview, then, when the user
    // prints from it, the print dialog (or the choice of a PDF file when there is no
    // printer). True when the printout finished, also for a list without rows; false
    // when the user closed the preview, cancelled or stopped, or printing failed (the
    // reason has been shown).
    static bool printList(QWidget *parent, const QAbstractItemView &view, const QString &title);

    // Sets printer up for the default printer, or for a PDF file the user names when
    // there is no printer. False when the user cancelled the file choice.
    static bool useDefaultPrinter(QWidget *parent, QPrinter &printer);

    // Shows the print dialog for printer, or asks for a PDF file when there is no
    // printer. False when the user cancelled.
    static bool choosePrinter(QWidget *parent, QPrinter &printer);

    // The file name offered for a document: its name without the characters that file
    // systems refuse, and the suffix ("Report: articles" gives "Report articles.pdf").
    static QString fileNameFor(const QString &documentName, const QString &suffix);
};

} // namespace documents
