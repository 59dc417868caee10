#include "documents/BusinessQuery.h"

namespace documents {

QString perBusinessQuery(const QString &table, qint64 businessId)
{
    // The key is a number, so its digits can go straight into the text.
    return QStringLiteral("Select * from [%1] where BusinessInformationId = ").arg(table) + QString::number(businessId);
}

} // namespace documents
