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

// Every bracketed name on one line of text that is not a merge field (case counts, as
// in the merge), in the order written, with the nearest merge field when one is close:
// letters that differ only in case count nothing, and at most a third of the name's
// letters (at least two) may differ otherwise.
std::vector<UnknownField> unknownFields(QStringView text);

// "Line 3: [BusinessAdress]: did you mean [BusinessAddressOne]?"
QString describe(const UnknownField &field);

} // namespace documents
