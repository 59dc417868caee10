#pragma once

#include <QString>

namespace documents {

// Writes text as an OpenDocument text file (.odt) that word processors open, one
// paragraph per line. The file is replaced only once it is whole. Throws PrintError
// naming the file and the reason when it cannot be written.
void saveOpenDocument(const QString &text, const QString &fileName);

} // namespace documents
