#pragma once

#include <QDate>
#include <QString>

#include <compare>
#include <optional>

namespace plan {

// A calendar month: a plan's first month, and the months it covers.
struct YearMonth
{
    int year = 2000;
    int month = 1; // 1-12

    // The month `count` months later (earlier when negative).
    YearMonth plus(int count) const;
    // "2027-01".
    QString toString() const;
    // Reads "YYYY-MM" (year 1900-9999, month 01-12); nothing for anything else.
    static std::optional<YearMonth> parse(const QString &text);
    // The month after the one `today` lies in: a new plan's first month.
    static YearMonth after(const QDate &today);
    // The first day of the month.
    QDate firstDay() const { return QDate(year, month, 1); }

    auto operator<=>(const YearMonth &) const = default;
};

} // namespace plan
