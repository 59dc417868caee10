#include "documents/MergeInputsLoader.h"

#include "db/Command.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/schema/SchemaTables.h"
#include "documents/BusinessQuery.h"
#include "documents/RecordRow.h"

namespace documents {

namespace {

std::unique_ptr<db::Recordset> run(db::Command &command, const QString &sql, const QVariantList &parameters = {})
{
    command.setCommandText(sql);
    command.setParameters(parameters);
    return command.execute();
}

std::optional<QVariantHash> firstRow(const db::Recordset &rows)
{
    if (!hasRows(rows))
        return std::nullopt;
    QVariantHash values;
    for (int column = 0; column < rows.columnCount(); ++column)
        values.insert(rows.columnName(column), rows.valueAt(0, column));
    return values;
}

QVariantList columnValues(const db::Recordset &rows, const QString &column)
{
    QVariantList values;
    if (!hasRows(rows))
        return values;
    values.reserve(rows.recordCount());
    for (int row = 0; row < rows.recordCount(); ++row)
        values.append(RecordRow(rows, row)[column]);
    return values;
}

// A failing step is skipped silently and the merge goes on with what it has.
template <typename Step> void optionalStep(Step &&step)
{
    try {
        step();
    } catch (const db::DbError &) {
    }
}

} // namespace

MergeInputs loadMergeInputs(const QString &reportName, qint64 businessId)
{
    MergeInputs inputs;
    db::Connection connection;
    try {
        connection.open(db::ConnectionStrings::document());
    } catch (const db::DbError &) {
        return inputs;
    }
    db::Command command;
    command.setActiveConnection(&connection);

    optionalStep([&] {
        inputs.business = firstRow(*run(command, perBusinessQuery(db::tables::BusinessInformation::Table, businessId)));
    });
    optionalStep([&] {
        inputs.longTermGoals
            = columnValues(*run(command, perBusinessQuery(db::tables::LongTermGoal::Table, businessId)),
                           db::tables::LongTermGoal::Goal);
    });
    optionalStep([&] {
        inputs.registeredAgent
            = firstRow(*run(command, perBusinessQuery(db::tables::RegisteredAgent::Table, businessId)));
    });
    optionalStep([&] {
        // Bound, not pasted between quotes: a name holding a quote still finds its template.
        const auto templates = run(
            command, QStringLiteral("Select * from [ARTICLESOFINCORPORATION] where ReportName = ?"), {reportName});
        if (hasRows(*templates)) {
            const RecordRow row(*templates, 0);
            inputs.templateRow
                = MergeInputs::Template{row[db::tables::Templates::ReportName], row[db::tables::Templates::Info]};
        }
    });
    optionalStep([&] {
        const auto types = run(command, perBusinessQuery(db::tables::BusinessType::Table, businessId));
        if (hasRows(*types))
            inputs.businessType = RecordRow(*types, 0)[db::tables::BusinessType::Type];
    });
    connection.close();
    return inputs;
}

} // namespace documents
