#pragma once

#include <QStringList>

namespace documents {

// Every stored template's name in upper case, in the order stored; Null names are
// left out, as no lookup could find them. Throws db::DbError.
QStringList templateNames();

// The merge-field names the editor offers, without brackets, in the order stored.
// Throws db::DbError.
QStringList mergeFieldNames();

} // namespace documents
