#pragma once

#include <QString>
#include <QVariant>

#include <memory>

namespace db {

class Connection;
class Recordset;

enum class CommandType { Text = 1 };

// A statement run on a connection. execute() gives a forward-only, read-only
// recordset, or a closed one when the statement returns no rows.
class Command
{
public:
    void setActiveConnection(Connection *connection) { m_connection = connection; }
    Connection *activeConnection() const { return m_connection; }
    void setCommandType(CommandType type) { m_type = type; }
    void setCommandText(const QString &text) { m_text = text; }
    QString commandText() const { return m_text; }
    // Values for the '?' placeholders of the command text.
    void setParameters(const QVariantList &parameters) { m_parameters = parameters; }

    std::unique_ptr<Recordset> execute();
    // Stops a statement that is running on the connection.
    void cancel();

private:
    Connection *m_connection = nullptr;
    CommandType m_type = CommandType::Text;
    QString m_text;
    QVariantList m_parameters;
};

} // namespace db
