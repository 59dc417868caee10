#pragma once

#include <QString>

namespace documents {

// The report text for one business, read from the business database through its
// own connection. Throws db::DbError when the database or a table cannot be read.
QString buildBusinessReport(qint64 businessId);

} // namespace documents
