#pragma once

#include <QString>

#include <span>

namespace documents {

// Where a merge field's value comes from.
enum class MergeSource { Business, RegisteredAgent, AgentBlock, GoalList, BusinessType };

struct MergeField
{
    QStringView field;   // as written in templates, brackets included; matched case-sensitively
    MergeSource source;
    QStringView column;  // for Business and RegisteredAgent
};

// The merge fields in the order they are replaced. Order matters: text inserted by
// one step is scanned by the steps after it.
std::span<const MergeField> mergeFields();

} // namespace documents
