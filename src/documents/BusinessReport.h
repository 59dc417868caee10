#pragma once

#include <QDate>
#include <QString>

namespace documents {

struct BusinessReport
{
    QString text;
    QString businessName; // empty when the business has none or is not there
};

// The report for one business, read from the business database through its own
// connection. Throws db::DbError when the database or a table cannot be read, and
// plan::PlanError when its financial plan holds a value out of range.
BusinessReport makeBusinessReport(qint64 businessId);

// The report text alone.
QString buildBusinessReport(qint64 businessId);

// The title a printout or a PDF of the report carries: the business's name and the
// date ("Acme Bakery, 2026-12-08"). A name too long for a title or a file name is cut.
QString businessReportTitle(const QString &businessName, const QDate &date);

} // namespace documents
