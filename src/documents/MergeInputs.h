#pragma once

#include <QString>
#include <QVariant>
#include <QVariantHash>
#include <QVariantList>

#include <optional>

namespace documents {

// What a template merge reads from the database. A missing row is an empty optional;
// a Null column is an invalid QVariant (or a column absent from the row).
struct MergeInputs
{
    struct Template
    {
        QVariant reportName;
        QVariant info;
    };

    std::optional<Template> templateRow;
    std::optional<QVariantHash> business;
    std::optional<QVariantHash> registeredAgent;
    // BusinessType of the first business-type row; invalid when there is none.
    QVariant businessType;
    // BusinessLongTermGoal of every long-term goal row, in the order read.
    QVariantList longTermGoals;
};

} // namespace documents
