#include "documents/LineBreaks.h"

#include <algorithm>

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

qsizetype longestUnbrokenRun(QStringView text)
{
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace documents
