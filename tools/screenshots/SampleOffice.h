#pragma once

#include <QString>

namespace screenshots {

// Fills fresh databases in `folder` with a small office's data: a few businesses (the
// first, shown at start, with a record in every form), the delivered templates and
// the items of the publishing tool. Throws db::DbError naming the file at fault.
void fillSampleOffice(const QString &folder);

} // namespace screenshots
