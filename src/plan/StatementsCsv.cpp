#include "plan/StatementsCsv.h"

#include <QStringList>

namespace plan {

namespace {

// RFC 4180: a field with a comma, quote or line break goes in quotes, quotes doubled.
QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

void appendRow(QString &csv, const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &text : fields)
        quoted << field(text);
    csv += quoted.join(u',') + QStringLiteral("\r\n");
}

void appendStatement(QString &csv, const Statement &statement)
{
    for (const StatementLine &line : statement.lines) {
        QStringList fields{statement.name, line.name};
        for (const Money amount : line.months)
            fields << amount.toString();
        for (const Money amount : line.years)
            fields << amount.toString();
        appendRow(csv, fields);
    }
}

} // namespace

QByteArray statementsCsv(const Statements &statements, ByteOrderMark mark)
{
    QStringList header{QStringLiteral("Statement"), QStringLiteral("Line")};
    for (int month = 1; month <= PlanMonths; ++month)
        header << statements.calendarMonth(month).toString();
    for (int year = 1; year <= PlanYears; ++year)
        header << QStringLiteral("Year %1").arg(year);
    QString csv;
    appendRow(csv, header);
    appendStatement(csv, statements.profitAndLoss);
    appendStatement(csv, statements.cashFlow);
    appendStatement(csv, statements.balanceSheet);
    const QByteArray bytes = csv.toUtf8();
    return mark == ByteOrderMark::With ? QByteArrayLiteral("\xEF\xBB\xBF") + bytes : bytes;
}

} // namespace plan
