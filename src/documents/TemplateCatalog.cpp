#include "documents/TemplateCatalog.h"

#include "db/Command.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/schema/SchemaTables.h"
#include "documents/RecordRow.h"

#include <functional>

namespace documents {

namespace {

// The texts of one column of a whole table; Null fields as nullNames says.
QStringList columnTexts(db::Connection &connection, const QString &sql, const QString &column, NullNames nullNames)
{
    db::Command command;
    command.setActiveConnection(&connection);
    command.setCommandText(sql);
    const auto rows = command.execute();

    QStringList texts;
    const int rowCount = hasRows(*rows) ? rows->recordCount() : 0;
    for (int row = 0; row < rowCount; ++row) {
        const QVariant value = RecordRow(*rows, row)[column];
        if (value.isValid())
            texts << value.toString();
        else if (nullNames == NullNames::AsEmpty)
            texts << QString();
    }
    return texts;
}

QStringList readThroughOwnConnection(const std::function<QStringList(db::Connection &)> &read)
{
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    QStringList texts = read(connection);
    connection.close();
    return texts;
}

} // namespace

QStringList storedTemplateNames(db::Connection &connection, NullNames nullNames)
{
    return columnTexts(connection, QStringLiteral("Select * from [ARTICLESOFINCORPORATION]"),
                       db::tables::Templates::ReportName, nullNames);
}

QStringList storedTemplateNames()
{
    return readThroughOwnConnection(
        [](db::Connection &connection) { return storedTemplateNames(connection, NullNames::LeftOut); });
}

QStringList mergeFieldNames()
{
    return readThroughOwnConnection([](db::Connection &connection) {
        return columnTexts(connection, QStringLiteral("Select * from [MasterField]"),
                           db::tables::MasterField::FieldName, NullNames::LeftOut);
    });
}

} // namespace documents
