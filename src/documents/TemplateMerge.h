#pragma once

#include "documents/MergeInputs.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace documents {

struct MergedDocument
{
    // "Report: " and the template's name; empty when no template was found.
    std::optional<QString> caption;
    // CR LF and the filled template; empty when there is no template text.
    QString text;
    // The merge fields that had no value for this business and so stay in the text as
    // written, each once, in the order they first occur.
    QStringList fieldsWithoutValue;
};

// Fills a template with the data of one business: every merge field the template holds
// (case-sensitively) is replaced by its value, in one pass. What a value brings in is
// text, never read as a template again. Linear time.
MergedDocument mergeTemplate(const MergeInputs &inputs);

// CR LF before each non-Null goal, CR LF CR LF after the last.
QString goalList(const QVariantList &goals);

// Name, address and city lines of the registered agent; Null columns leave out only
// their value. Empty when there is no agent.
QString agentBlock(const std::optional<QVariantHash> &agent);

} // namespace documents
