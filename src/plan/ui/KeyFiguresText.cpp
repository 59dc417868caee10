#include "plan/ui/KeyFiguresText.h"

#include "plan/Statements.h"
#include "plan/ui/PlanText.h"

namespace plan::ui {

QStringList keyFigureLines(const Statements &statements, const QLocale &locale)
{
    const KeyFigures &figures = statements.keyFigures;
    QStringList lines;
    lines << QStringLiteral("Gross margin: %1")
                 .arg(figures.grossMarginPercent ? shownPercent(*figures.grossMarginPercent, locale)
                                                 : QStringLiteral("none (no revenue)"));
    lines << QStringLiteral("Break-even month: %1")
                 .arg(figures.breakEvenMonth
                          ? QStringLiteral("%1 (month %2)")
                                .arg(shownMonth(statements.calendarMonth(*figures.breakEvenMonth), locale))
                                .arg(*figures.breakEvenMonth)
                          : QStringLiteral("not within the plan"));
    lines << QStringLiteral("Revenue needed to break even in year 1: %1")
                 .arg(figures.breakEvenMonthlyRevenueYear1
                          ? shownAmount(*figures.breakEvenMonthlyRevenueYear1, locale) + QStringLiteral(" a month")
                          : QStringLiteral("none (no gross margin in year 1)"));
    lines << QStringLiteral("Lowest cash: %1 in %2")
                 .arg(shownAmount(figures.lowestCash, locale),
                      shownMonth(statements.calendarMonth(figures.lowestCashMonth), locale));
    return lines;
}

QString cashWarning(const Statements &statements, const QLocale &locale)
{
    const std::optional<int> month = statements.keyFigures.cashRunsOutMonth;
    if (!month)
        return {};
    return QStringLiteral("Cash runs out in %1").arg(shownMonth(statements.calendarMonth(*month), locale));
}

} // namespace plan::ui
