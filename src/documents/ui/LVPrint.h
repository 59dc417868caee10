#pragma once

#include "documents/ListPrinter.h"

#include <QString>

class QAbstractItemView;
class QWidget;

namespace documents {

// What a window creates to print one of its list views as a ruled table: set LV (and
// ReportTitle if wished), then call PrintList. The object can print again.
class LVPrint
{
public:
    // A QTreeWidget, or any view with a header and a model.
    QAbstractItemView *LV = nullptr;
    QString ReportTitle = ListPrinter::defaultTitle();

    // Shows a preview of the pages; when the user prints from it, the print dialog (or
    // the choice of a PDF file when there is no printer), then prints the list with
    // its progress. True when the printout finished, also for a list without rows;
    // false when the user closed the preview, cancelled or stopped, or printing failed
    // (the reason has been shown).
    bool PrintList(QWidget *parent = nullptr) const;
};

} // namespace documents
