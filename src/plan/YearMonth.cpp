#include "plan/YearMonth.h"

#include <QRegularExpression>

namespace plan {

YearMonth YearMonth::plus(int count) const
{
    // Months since year 0, so that negative counts borrow years the same way.
    const int index = year * 12 + (month - 1) + count;
    const int newYear = index >= 0 ? index / 12 : (index - 11) / 12;
    return YearMonth{newYear, index - newYear * 12 + 1};
}

QString YearMonth::toString() const
{
    return QStringLiteral("%1-%2").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
}

std::optional<YearMonth> YearMonth::parse(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const YearMonth value{match.captured(1).toInt(), match.captured(2).toInt()};
    if (value.year < 1900 || value.month < 1 || value.month > 12)
        return std::nullopt;
    return value;
}

YearMonth YearMonth::after(const QDate &today)
{
    return YearMonth{today.year(), today.month()}.plus(1);
}

} // namespace plan
