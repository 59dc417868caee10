#include "documents/BusinessQuery.h"

namespace documents {

QString perBusinessQuery(const QString &table, int businessId)
{
    // The key is an int, so its digits can go straight into the text.
    return QStringLiteral("Select * from [%1] where BusinessInformationId = ").arg(table) + QString::number(businessId);
}

} // namespace documents
