#include "documents/TemplateMerge.h"

#include "documents/MergeFields.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

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
    case MergeSource::Business: return columnOf(inputs.business);
    case MergeSource::RegisteredAgent: return columnOf(inputs.registeredAgent);
    case MergeSource::AgentBlock: return agentText;
    case MergeSource::GoalList: return goalText;
    case MergeSource::BusinessType:
        if (!inputs.businessType.isValid())
            return std::nullopt;
        return inputs.businessType.toString();
    }
    return std::nullopt;
}

// The value of each merge field as written, brackets included; a field without a value
// has none and stays in the text as written.
struct FieldValues
{
    QHash<QStringView, std::optional<QString>> byField;
    qsizetype longestField = 0;
};

FieldValues fieldValuesFor(const MergeInputs &inputs)
{
    const QString agentText = agentBlock(inputs.registeredAgent);
    const QString goalText = goalList(inputs.longTermGoals);
    FieldValues values;
    for (const MergeField &field : mergeFields()) {
        values.byField.insert(field.field, fieldValue(field, inputs, agentText, goalText));
        values.longestField = std::max(values.longestField, field.field.size());
    }
    return values;
}

// The end of the bracketed name that opens at `open`, or -1: names hold no brackets,
// so the search stops at the next opening bracket (from where it goes on) or once no
// merge field could be that long, which keeps the scan linear.
qsizetype closingBracket(QStringView text, qsizetype open, qsizetype longest, qsizetype &next)
{
    const qsizetype limit = std::min(text.size(), open + longest);
    for (qsizetype i = open + 1; i < limit; ++i) {
        if (text[i] == u']')
            return i;
        if (text[i] == u'[') {
            next = i;
            return -1;
        }
    }
    next = open + 1;
    return -1;
}

QString textOf(const QVariantHash &row, db::tables::Name column)
{
    // A Null column gives empty text, so the separators around it stay.
    return row.value(column).toString();
}

} // namespace

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
    namespace agentColumns = db::tables::RegisteredAgent;
    return u"\r\n\t" + textOf(row, agentColumns::FirstName) + u'\t' + textOf(row, agentColumns::MiddleName) + u'\t'
           + textOf(row, agentColumns::LastName) + u"\r\n" + textOf(row, agentColumns::AddressOne) + u"\r\n"
           + textOf(row, agentColumns::AddressTwo) + u"\r\n" + textOf(row, agentColumns::City) + u'\t'
           + textOf(row, agentColumns::State) + u'\t' + textOf(row, agentColumns::Zip) + u"\r\n";
}

MergedDocument mergeTemplate(const MergeInputs &inputs)
{
    MergedDocument merged;
    if (!inputs.templateRow)
        return merged;
    merged.caption = QCoreApplication::translate("documents::TemplateMerge", "Report: %1")
                         .arg(inputs.templateRow->reportName.toString());
    if (!inputs.templateRow->info.isValid())
        return merged;

    // One pass over the template: a value goes in once and is never read as a template
    // again, so values holding field names cannot multiply the text.
    const FieldValues values = fieldValuesFor(inputs);
    const QString info = inputs.templateRow->info.toString();
    const QStringView text(info);
    merged.text.reserve(info.size() + 2);
    merged.text += u"\r\n";
    QSet<QStringView> named;
    qsizetype copied = 0;
    for (qsizetype open = text.indexOf(u'['); open >= 0;) {
        qsizetype next = -1;
        const qsizetype close = closingBracket(text, open, values.longestField, next);
        if (close < 0) {
            open = text.indexOf(u'[', next);
            continue;
        }
        const QStringView written = text.sliced(open, close - open + 1);
        const auto found = values.byField.constFind(written);
        if (found != values.byField.cend()) {
            if (found.value()) {
                merged.text += text.sliced(copied, open - copied);
                merged.text += *found.value();
                copied = close + 1;
            } else if (!named.contains(found.key())) {
                named.insert(found.key());
                merged.fieldsWithoutValue << found.key().toString();
            }
        }
        open = text.indexOf(u'[', close + 1);
    }
    merged.text += text.sliced(copied);
    return merged;
}

} // namespace documents
