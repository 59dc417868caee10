#pragma once

#include <QMap>
#include <QString>

namespace db {

// "Key=Value;Key=Value" with keys compared ignoring case. A value in double or single
// quotes may hold ';' and surrounding spaces, its quote doubled inside; an unquoted
// value runs to the next ';' and loses its surrounding spaces.
class ConnectionString
{
public:
    explicit ConnectionString(const QString &text);
    QString value(const QString &key) const;

    // The value as it must be written so that it reads back exactly.
    static QString quotedIfNeeded(const QString &value);

private:
    QMap<QString, QString> m_values; // keys in lower case
};

} // namespace db
