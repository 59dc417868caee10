#pragma once

#include "plan/Statements.h"

#include <QByteArray>

namespace plan {

enum class ByteOrderMark {
    Without,
    With
};

// The three statements as CSV for other programs: UTF-8, RFC 4180 (commas, CR LF), a
// header row `Statement,Line,<YYYY-MM of each month>,Year 1,Year 2,Year 3`, then one
// row per line; amounts with a dot, two decimals and a minus sign. A spreadsheet reads
// accents right with the byte-order mark.
QByteArray statementsCsv(const Statements &statements, ByteOrderMark mark);

} // namespace plan
