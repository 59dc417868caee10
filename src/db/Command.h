#pragma once

#include <QString>
#include <QVariant>

#include <memory>

namespace db {

class Connection;
class Recordset;

// A statement run on a connection. execute() gives a forward-only, read-only
// recordset, or a closed one when the statement returns no rows.
class Command
{
public:
    void setActiveConnection(Connection *connection) { m_connection = connection; }
    void setCommandText(const QString &text) { m_text = text; }
    // Values for the '?' placeholders of the command text.
    void setParameters(const QVariantList &parameters) { m_parameters = parameters; }

    std::unique_ptr<Recordset> execute();

private:
    Connection *m_connection = nullptr;
    QString m_text;
    QVariantList m_parameters;
};

} // namespace db
