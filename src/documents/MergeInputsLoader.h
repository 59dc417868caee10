#pragma once

#include "documents/MergeInputs.h"

namespace documents {

// Reads what a merge needs through its own connection. Every query is optional: one
// that fails leaves its part of the inputs empty and the others still run, so an
// unreadable database gives empty inputs.
MergeInputs loadMergeInputs(const QString &reportName, qint64 businessId);

} // namespace documents
