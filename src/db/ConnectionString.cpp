#include "db/ConnectionString.h"

namespace db {

ConnectionString::ConnectionString(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype equals = text.indexOf(u'=', i);
        if (equals < 0)
            break;
        const QString key = text.mid(i, equals - i).trimmed().toLower();
        i = equals + 1;
        while (i < n && text[i].isSpace())
            ++i;
        QString value;
        if (i < n && (text[i] == u'"' || text[i] == u'\'')) {
            const QChar quote = text[i++];
            while (i < n) {
                if (text[i] == quote) {
                    if (i + 1 < n && text[i + 1] == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            const qsizetype end = text.indexOf(u';', i);
            i = end < 0 ? n : end + 1;
        } else {
            const qsizetype end = text.indexOf(u';', i);
            value = text.mid(i, (end < 0 ? n : end) - i).trimmed();
            i = end < 0 ? n : end + 1;
        }
        if (!key.isEmpty() && !m_values.contains(key))
            m_values.insert(key, value);
    }
}

QString ConnectionString::value(const QString &key) const
{
    return m_values.value(key.toLower());
}

QString ConnectionString::quotedIfNeeded(const QString &value)
{
    const bool plain
        = !value.contains(u';') && !value.startsWith(u'"') && !value.startsWith(u'\'') && value.trimmed() == value;
    if (plain)
        return value;
    return u'"' % QString(value).replace(u'"', QLatin1String("\"\"")) % u'"';
}

} // namespace db
