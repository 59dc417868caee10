#include "documents/TemplateMerge.h"

#include "documents/MergeFields.h"

#include <QStringMatcher>

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

struct Replacement
{
    Replacement(QStringView fieldName, QString text)
        : field(fieldName)
        , matcher(fieldName, Qt::CaseSensitive)
        , value(std::move(text))
    {
    }

    QStringView field;
    QStringMatcher matcher;
    QString value;
};

// Replaces every match in document into result, reusing result's buffer. False, leaving
// result alone, when the field does not occur.
bool replaceEveryInto(QStringView document, const Replacement &step, QString &result)
{
    qsizetype found = step.field.isEmpty() ? -1 : step.matcher.indexIn(document);
    if (found < 0)
        return false;

    result.resize(0);
    result.reserve(document.size());
    qsizetype copied = 0;
    while (found >= 0) {
        result += document.sliced(copied, found - copied);
        result += step.value;
        copied = found + step.field.size();
        found = step.matcher.indexIn(document, copied);
    }
    result += document.sliced(copied);
    return true;
}

// The steps that run, in their order: fields whose value is missing stay as written
// and are added to unfilled.
std::vector<Replacement> replacementsFor(const MergeInputs &inputs, std::vector<QStringView> &unfilled)
{
    const QString agentText = agentBlock(inputs.registeredAgent);
    const QString goalText = goalList(inputs.longTermGoals);
    std::vector<Replacement> replacements;
    for (const MergeField &field : mergeFields()) {
        if (auto value = fieldValue(field, inputs, agentText, goalText))
            replacements.emplace_back(field.field, std::move(*value));
        else
            unfilled.push_back(field.field);
    }
    return replacements;
}

// The unfilled fields that the merged text still holds, in the order they first occur.
QStringList occurringFields(const QString &text, const std::vector<QStringView> &unfilled)
{
    std::vector<std::pair<qsizetype, QStringView>> found;
    for (QStringView field : unfilled) {
        const qsizetype at = text.indexOf(field);
        if (at >= 0)
            found.emplace_back(at, field);
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList fields;
    for (const auto &entry : found)
        fields << entry.second.toString();
    return fields;
}

// No merge field holds a line break, so no match ever spans one: a run of whole lines can
// go through every step on its own. Runs of this size stay in the processor's cache, which
// keeps large templates as fast per character as small ones.
constexpr qsizetype RunLength = 16 * 1024;

qsizetype endOfRun(QStringView text, qsizetype start)
{
    if (start + RunLength >= text.size())
        return text.size();
    const qsizetype lineEnd = text.indexOf(u'\n', start + RunLength);
    return lineEnd < 0 ? text.size() : lineEnd + 1;
}

QString textOf(const QVariantHash &row, db::tables::Name column)
{
    // A Null column gives empty text, so the separators around it stay.
    return row.value(column).toString();
}

} // namespace

QString replaceEvery(const QString &document, QStringView field, QStringView value)
{
    QString result;
    return replaceEveryInto(document, Replacement(field, value.toString()), result) ? result : document;
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
    merged.caption = u"Report: " + inputs.templateRow->reportName.toString();
    if (!inputs.templateRow->info.isValid())
        return merged;

    std::vector<QStringView> unfilled;
    const std::vector<Replacement> replacements = replacementsFor(inputs, unfilled);
    const QString document = u"\r\n" + inputs.templateRow->info.toString();
    merged.text.reserve(document.size());
    QString run, spare; // two buffers take turns, so the steps allocate nothing new
    for (qsizetype start = 0, end = 0; start < document.size(); start = end) {
        end = endOfRun(document, start);
        run = QStringView(document).sliced(start, end - start).toString();
        for (const Replacement &step : replacements) {
            if (replaceEveryInto(run, step, spare))
                run.swap(spare);
        }
        merged.text += run;
    }
    merged.fieldsWithoutValue = occurringFields(merged.text, unfilled);
    return merged;
}

} // namespace documents
