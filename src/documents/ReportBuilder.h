#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace db {
class Recordset;
}

namespace plan {
struct Statements;
}

namespace documents {

struct ReportQueries;

// Lays the business report out as text: CR LF line ends, TAB indents, a heading per
// section that has rows, and no line break after the last piece.
class ReportBuilder
{
public:
    // With the statements of the business's financial plan, when it has one, the report
    // ends with their key figures and year totals.
    static QString build(const ReportQueries &queries, const plan::Statements *planStatements = nullptr);

private:
    void appendGeneralInformation(const db::Recordset &business);
    void appendFirstRowSection(const QString &heading, const db::Recordset &rows, const QString &column);
    void appendListSection(const QString &heading, const db::Recordset &rows, const QString &column);
    void appendEmployees(const db::Recordset &employees);
    void appendFinancialPlan(const plan::Statements &statements);

    void appendHeading(const QString &heading);
    // A Null value appends nothing at all; any other value its separator and its text.
    void appendField(QStringView separator, const QVariant &value);

    QString m_text;
};

} // namespace documents
