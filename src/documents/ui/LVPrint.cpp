#include "documents/ui/LVPrint.h"

#include "documents/PrintError.h"
#include "documents/ui/PrintOutput.h"

#include <QCoreApplication>

namespace documents {

bool LVPrint::PrintList(QWidget *parent) const
{
    if (!LV)
        throw PrintError(QCoreApplication::translate("documents::LVPrint", "There is no list to print."));
    return PrintOutput::printList(parent, *LV, ReportTitle);
}

} // namespace documents
