#include "plan/ui/PlanCharts.h"

#include "plan/Statements.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace plan::ui {

namespace {

// Charts draw in floating point; the amounts themselves stay whole cents.
double plotted(Money amount)
{
    return static_cast<double>(amount.cents()) / 100.0;
}

Money totalCosts(const Statements &statements, int month)
{
    namespace line = ProfitAndLoss;
    const Statement &pnl = statements.profitAndLoss;
    Money total;
    for (const int cost :
         {line::DirectCosts, line::Salaries, line::PayrollBurden, line::Expenses, line::Depreciation, line::Interest})
        total += pnl.line(cost).months.at(static_cast<size_t>(month));
    return total;
}

ChartLine monthly(const QString &name, const MonthlyAmounts &amounts)
{
    ChartLine line{name, {}, Qt::SolidLine, {}};
    for (int month = 0; month < PlanMonths; ++month)
        line.points.append(QPointF(month + 1, plotted(amounts.at(static_cast<size_t>(month)))));
    return line;
}

// An amount axis that takes in every point, with a little room, and zero.
ChartAxis amountAxis(const QString &title, const std::vector<ChartLine> &lines)
{
    double low = 0;
    double high = 0;
    for (const ChartLine &line : lines) {
        for (const QPointF &point : line.points) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    }
    // A plan of zeros still gets an axis of whole amounts.
    const double room = std::max(10.0, (high - low) * 0.05);
    return ChartAxis{title, low < 0 ? low - room : 0, high + room, 0, 5};
}

// The plan's months, with a tick every quarter.
ChartAxis monthAxis()
{
    return ChartAxis{QCoreApplication::translate("plan::ui::PlanCharts", "Month of the plan"), 0, PlanMonths, 3, 5};
}

void revenueAndCosts(ChartFigure &figure, const Statements &statements)
{
    MonthlyAmounts costs{};
    for (int month = 0; month < PlanMonths; ++month)
        costs.at(static_cast<size_t>(month)) = totalCosts(statements, month);
    figure.lines = {
        monthly(QCoreApplication::translate("plan::ui::PlanCharts", "Revenue"),
                statements.profitAndLoss.line(ProfitAndLoss::Revenue).months),
        monthly(QCoreApplication::translate("plan::ui::PlanCharts", "Total costs"), costs),
    };
    figure.x = monthAxis();
    figure.y = amountAxis(QCoreApplication::translate("plan::ui::PlanCharts", "Per month"), figure.lines);
}

void cash(ChartFigure &figure, const Statements &statements)
{
    ChartLine zero{QCoreApplication::translate("plan::ui::PlanCharts", "Zero"),
                   {QPointF(1, 0), QPointF(PlanMonths, 0)},
                   Qt::DashLine,
                   QColor(Qt::red)};
    figure.lines = {
        monthly(QCoreApplication::translate("plan::ui::PlanCharts", "Cash at end of month"),
                statements.cashFlow.line(CashFlow::CashAtEndOfMonth).months),
        zero,
    };
    figure.x = monthAxis();
    figure.y = amountAxis(QCoreApplication::translate("plan::ui::PlanCharts", "Cash"), figure.lines);
}

Money yearOne(const Statements &statements, int line)
{
    return statements.profitAndLoss.line(line).years.at(0);
}

void breakEven(ChartFigure &figure, const Statements &statements)
{
    namespace line = ProfitAndLoss;
    const double revenue = plotted(yearOne(statements, line::Revenue)) / 12;
    const double direct = plotted(yearOne(statements, line::DirectCosts)) / 12;
    double fixed = 0;
    for (const int cost : {line::Salaries, line::PayrollBurden, line::Expenses, line::Depreciation})
        fixed += plotted(yearOne(statements, cost)) / 12;
    // Direct costs rise with the volume in year 1's proportion to revenue.
    const double variableShare = revenue > 0 ? direct / revenue : 0;
    const std::optional<Money> point = statements.keyFigures.breakEvenMonthlyRevenueYear1;
    double widest = std::max({revenue * 1.5, fixed * 2, 100.0});
    if (point)
        widest = std::max(widest, plotted(*point) * 2);
    ChartLine sales{QCoreApplication::translate("plan::ui::PlanCharts", "Revenue"), {}, Qt::SolidLine, {}};
    ChartLine costs{QCoreApplication::translate("plan::ui::PlanCharts", "Total costs"), {}, Qt::SolidLine, {}};
    ChartLine fixedCosts{QCoreApplication::translate("plan::ui::PlanCharts", "Fixed costs"), {}, Qt::DotLine, {}};
    for (const double volume : {0.0, widest}) {
        sales.points.append(QPointF(volume, volume));
        costs.points.append(QPointF(volume, fixed + variableShare * volume));
        fixedCosts.points.append(QPointF(volume, fixed));
    }
    figure.lines = {sales, costs, fixedCosts};
    figure.x
        = ChartAxis{QCoreApplication::translate("plan::ui::PlanCharts", "Monthly sales volume (revenue, year 1's mix)"),
                    0, widest, 0, 7};
    figure.y = amountAxis(QCoreApplication::translate("plan::ui::PlanCharts", "Per month"), figure.lines);
}

} // namespace

QString chartTitle(PlanChart chart)
{
    switch (chart) {
    case PlanChart::RevenueAndCosts:
        return QCoreApplication::translate("plan::ui::PlanCharts", "Revenue and total costs per month");
    case PlanChart::Cash: return QCoreApplication::translate("plan::ui::PlanCharts", "Cash at the end of each month");
    case PlanChart::BreakEven:
        return QCoreApplication::translate("plan::ui::PlanCharts", "Break-even: revenue and costs over volume");
    }
    return {};
}

ChartFigure chartFigure(PlanChart kind, const Statements &statements)
{
    ChartFigure figure;
    figure.title = chartTitle(kind);
    switch (kind) {
    case PlanChart::RevenueAndCosts: revenueAndCosts(figure, statements); break;
    case PlanChart::Cash: cash(figure, statements); break;
    case PlanChart::BreakEven: breakEven(figure, statements); break;
    }
    return figure;
}

} // namespace plan::ui
