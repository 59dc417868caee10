#pragma once

#include "db/schema/MergeFieldList.h"

#include <QString>

#include <span>

namespace documents {

// Where a merge field's value comes from.
using MergeSource = db::MergeFieldSource;

struct MergeField
{
    QStringView field; // as written in templates, brackets included; matched case-sensitively
    MergeSource source;
    db::tables::Name column; // for Business and RegisteredAgent
};

// The merge fields of db::MergeFieldList, in its order.
std::span<const MergeField> mergeFields();

} // namespace documents
