#include "documents/ui/LVPrint.h"

#include "documents/PrintError.h"
#include "documents/ui/PrintOutput.h"

namespace documents {

bool LVPrint::PrintList(QWidget *parent) const
{
    if (!LV)
        throw PrintError(QStringLiteral("There is no list to print."));
    return PrintOutput::printList(parent, *LV, ReportTitle);
}

} // namespace documents
