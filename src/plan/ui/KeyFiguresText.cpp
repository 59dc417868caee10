#include "plan/ui/KeyFiguresText.h"

#include "plan/Statements.h"
#include "plan/ui/PlanText.h"

#include <QCoreApplication>

namespace plan::ui {

QStringList keyFigureLines(const Statements &statements, const QLocale &locale)
{
    const KeyFigures &figures = statements.keyFigures;
    QStringList lines;
    lines << QCoreApplication::translate("plan::ui::KeyFigures", "Gross margin: %1")
                 .arg(figures.grossMarginPercent
                          ? shownPercent(*figures.grossMarginPercent, locale)
                          : QCoreApplication::translate("plan::ui::KeyFigures", "none (no revenue)"));
    lines << QCoreApplication::translate("plan::ui::KeyFigures", "Break-even month: %1")
                 .arg(figures.breakEvenMonth
                          ? QCoreApplication::translate("plan::ui::KeyFigures", "%1 (month %2)")
                                .arg(shownMonth(statements.calendarMonth(*figures.breakEvenMonth), locale))
                                .arg(*figures.breakEvenMonth)
                          : QCoreApplication::translate("plan::ui::KeyFigures", "not within the plan"));
    lines << QCoreApplication::translate("plan::ui::KeyFigures", "Revenue needed to break even in year 1: %1")
                 .arg(figures.breakEvenMonthlyRevenueYear1
                          ? QCoreApplication::translate("plan::ui::KeyFigures", "%1 a month")
                                .arg(shownAmount(*figures.breakEvenMonthlyRevenueYear1, locale))
                          : QCoreApplication::translate("plan::ui::KeyFigures", "none (no gross margin in year 1)"));
    lines << QCoreApplication::translate("plan::ui::KeyFigures", "Lowest cash: %1 in %2")
                 .arg(shownAmount(figures.lowestCash, locale),
                      shownMonth(statements.calendarMonth(figures.lowestCashMonth), locale));
    return lines;
}

QString cashWarning(const Statements &statements, const QLocale &locale)
{
    const std::optional<int> month = statements.keyFigures.cashRunsOutMonth;
    if (!month)
        return {};
    return QCoreApplication::translate("plan::ui::KeyFigures", "Cash runs out in %1")
        .arg(shownMonth(statements.calendarMonth(*month), locale));
}

} // namespace plan::ui
