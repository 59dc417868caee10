#include "documents/TemplateMerge.h"

#include "documents/MergeFields.h"

namespace documents {

namespace {

// The value a merge field takes, or nothing when its row or column is missing or Null.
std::optional<QString> fieldValue(const MergeField &field, const MergeInputs &inputs, const QString &agentText,
                                  const QString &goalText)
{
    const auto columnOf = [&](const std::optional<QVariantHash> &row) -> std::optional<QString> {
        if (!row)
            return std::nullopt;
        const QVariant value = row->value(field.column.toString());
        if (!value.isValid())
            return std::nullopt;
        return value.toString();
    };

    switch (field.source) {
    case MergeSource::Business:
        return columnOf(inputs.business);
    case MergeSource::RegisteredAgent:
        return columnOf(inputs.registeredAgent);
    case MergeSource::AgentBlock:
        return agentText;
    case MergeSource::GoalList:
        return goalText;
    case MergeSource::BusinessType:
        if (!inputs.businessType.isValid())
            return std::nullopt;
        return inputs.businessType.toString();
    }
    return std::nullopt;
}

QString textOf(const QVariantHash &row, const char *column)
{
    // A Null column gives empty text, so the separators around it stay.
    return row.value(QLatin1String(column)).toString();
}

} // namespace

QString replaceEvery(const QString &document, QStringView field, QStringView value)
{
    qsizetype found = document.indexOf(field, 0, Qt::CaseSensitive);
    if (field.isEmpty() || found < 0)
        return document;

    QString result;
    result.reserve(document.size());
    qsizetype copied = 0;
    while (found >= 0) {
        result += QStringView(document).sliced(copied, found - copied);
        result += value;
        copied = found + field.size();
        found = document.indexOf(field, copied, Qt::CaseSensitive);
    }
    result += QStringView(document).sliced(copied);
    return result;
}

QString goalList(const QVariantList &goals)
{
    QString list = QStringLiteral("\r\n");
    for (const QVariant &goal : goals) {
        if (goal.isValid())
            list += u"\r\n" + goal.toString();
    }
    list += u"\r\n\r\n";
    return list;
}

QString agentBlock(const std::optional<QVariantHash> &agent)
{
    if (!agent)
        return {};
    const QVariantHash &row = *agent;
    return u"\r\n\t" + textOf(row, "REGISTEREDAGENTFirstName") + u'\t' + textOf(row, "REGISTEREDAGENTMiddleName")
        + u'\t' + textOf(row, "REGISTEREDAGENTLastName") + u"\r\n" + textOf(row, "REGISTEREDAGENTAddressOne")
        + u"\r\n" + textOf(row, "REGISTEREDAGENTAddressTwo") + u"\r\n" + textOf(row, "REGISTEREDAGENTCity")
        + u'\t' + textOf(row, "REGISTEREDAGENTState") + u'\t' + textOf(row, "REGISTEREDAGENTZip") + u"\r\n";
}

MergedDocument mergeTemplate(const MergeInputs &inputs)
{
    MergedDocument merged;
    if (!inputs.templateRow)
        return merged;
    merged.caption = u"Report: " + inputs.templateRow->reportName.toString();
    if (!inputs.templateRow->info.isValid())
        return merged;

    const QString agentText = agentBlock(inputs.registeredAgent);
    const QString goalText = goalList(inputs.longTermGoals);
    merged.text = u"\r\n" + inputs.templateRow->info.toString();
    for (const MergeField &field : mergeFields()) {
        if (const auto value = fieldValue(field, inputs, agentText, goalText))
            merged.text = replaceEvery(merged.text, field.field, *value);
    }
    return merged;
}

} // namespace documents
