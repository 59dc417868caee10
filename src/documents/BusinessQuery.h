#pragma once

#include <QString>

namespace documents {

// "Select * from [table] where BusinessInformationId = " and the key's digits.
QString perBusinessQuery(const QString &table, qint64 businessId);

} // namespace documents
