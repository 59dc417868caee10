#include "documents/TemplateCatalog.h"

#include "db/Command.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "documents/RecordRow.h"

namespace documents {

namespace {

// The non-Null texts of one column of a whole table, read through a connection of its own.
QStringList columnTexts(const QString &sql, const QString &column)
{
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    db::Command command;
    command.setActiveConnection(&connection);
    command.setCommandType(db::CommandType::Text);
    command.setCommandText(sql);
    const auto rows = command.execute();

    QStringList texts;
    const int rowCount = hasRows(*rows) ? rows->recordCount() : 0;
    for (int row = 0; row < rowCount; ++row) {
        const QVariant value = RecordRow(*rows, row)[column];
        if (value.isValid())
            texts << value.toString();
    }
    connection.close();
    return texts;
}

} // namespace

QStringList templateNames()
{
    QStringList names = columnTexts(QStringLiteral("Select * from [ARTICLESOFINCORPORATION]"),
                                    QStringLiteral("ReportName"));
    for (QString &name : names)
        name = name.toUpper();
    return names;
}

QStringList mergeFieldNames()
{
    return columnTexts(QStringLiteral("Select * from [MasterField]"), QStringLiteral("MasterFieldName"));
}

} // namespace documents
