#pragma once

#include "records/RecordFamily.h"

#include <QString>

namespace records {

// What sets one detail form apart: its family, its query around the business key and
// the text its status label starts with.
struct DetailFormDefinition
{
    RecordFamily family;
    QString selectText;     // ends with "BusinessInformationId = "
    QString orderClause;    // follows the key's digits
    const char *statusText; // "...: %1", the record count; translated when shown
};

namespace DetailForms {
const DetailFormDefinition &businessPurpose();
const DetailFormDefinition &businessType();
const DetailFormDefinition &businessPerspective();
const DetailFormDefinition &employeeInformation();
const DetailFormDefinition &longTermGoals();
const DetailFormDefinition &shortTermGoals();
const DetailFormDefinition &registeredAgent();
} // namespace DetailForms

} // namespace records
