#pragma once

#include <QString>
#include <QVariant>

namespace records {

// A stored value as a box or cell that cannot be typed into shows it: a date, as either
// engine gives it ("2024-02-29" or a date value), in the short form of the user's
// locale ("29.02.24" in German); anything else as its text, Null as nothing. What is
// stored keeps its fixed form.
QString shownReadOnlyValue(const QVariant &value);

} // namespace records
