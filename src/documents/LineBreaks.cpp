#include "documents/LineBreaks.h"

namespace documents {

QString withDisplayLineBreaks(const QString &text)
{
    QString result = text;
    return result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString withStoredLineBreaks(const QString &text)
{
    // Normalise first, so text that already holds CR LF does not gain a second CR.
    return withDisplayLineBreaks(text).replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

} // namespace documents
