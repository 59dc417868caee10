#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace documents {

// A name in square brackets in a template that the merge will not fill.
struct UnknownField
{
    QString written;                   // brackets included, as the template has it
    int line = 0;                      // counted from 1
    qsizetype position = 0;            // of the opening bracket, in the text checked
    std::optional<QString> suggestion; // the nearest merge field, brackets included
};

struct FieldCheckResult
{
    std::vector<UnknownField> fields; // the first ones, in the order written
    qsizetype total = 0;              // every unknown name, listed or not
};

// Every bracketed name on one line of text that is not a merge field (case counts, as
// in the merge), in the order written, with the nearest merge field when one is close:
// letters that differ only in case count nothing, and at most a third of the name's
// letters (at least two) may differ otherwise. Only the first `limit` are listed (and
// compared); the rest are counted. Linear in the text's length.
FieldCheckResult checkFieldNames(QStringView text, qsizetype limit);

// All of them.
std::vector<UnknownField> unknownFields(QStringView text);

// "Line 3: [BusinessAdress]: did you mean [BusinessAddressOne]?"; a very long name is
// shown by its start and its end.
QString describe(const UnknownField &field);

} // namespace documents
