#include "plan/ui/PlanCharts.h"

#include "plan/Statements.h"

#include <QChart>
#include <QLineSeries>
#include <QPalette>
#include <QPen>
#include <QValueAxis>

#include <algorithm>

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

QLineSeries *series(const QString &name)
{
    auto *made = new QLineSeries;
    made->setName(name);
    return made;
}

// Axes that take in every point, with a little room, and zero when near.
void addAxes(QChart &chart, const QString &xTitle, const QString &yTitle, double xMin, double xMax)
{
    auto *x = new QValueAxis;
    x->setTitleText(xTitle);
    x->setRange(xMin, xMax);
    x->setLabelFormat(QStringLiteral("%.0f"));
    auto *y = new QValueAxis;
    y->setTitleText(yTitle);
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    double low = 0;
    double high = 0;
    for (QAbstractSeries *each : chart.series()) {
        each->attachAxis(x);
        each->attachAxis(y);
        for (const QPointF &point : static_cast<QXYSeries *>(each)->points()) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    }
    // A plan of zeros still gets an axis of whole amounts.
    const double room = std::max(10.0, (high - low) * 0.05);
    y->setRange(low < 0 ? low - room : 0, high + room);
    y->applyNiceNumbers();
    x->setTickCount(7);
    x->applyNiceNumbers();
}

// Months on the axis every quarter.
void showQuarters(QChart &chart)
{
    auto *months = static_cast<QValueAxis *>(chart.axes(Qt::Horizontal).first());
    months->setRange(0, PlanMonths);
    months->setTickType(QValueAxis::TicksDynamic);
    months->setTickAnchor(0);
    months->setTickInterval(3);
}

void revenueAndCosts(QChart &chart, const Statements &statements)
{
    QLineSeries *revenue = series(QStringLiteral("Revenue"));
    QLineSeries *costs = series(QStringLiteral("Total costs"));
    for (int month = 0; month < PlanMonths; ++month) {
        revenue->append(
            month + 1,
            plotted(statements.profitAndLoss.line(ProfitAndLoss::Revenue).months.at(static_cast<size_t>(month))));
        costs->append(month + 1, plotted(totalCosts(statements, month)));
    }
    chart.addSeries(revenue);
    chart.addSeries(costs);
    addAxes(chart, QStringLiteral("Month of the plan"), QStringLiteral("Per month"), 1, PlanMonths);
    showQuarters(chart);
}

void cash(QChart &chart, const Statements &statements)
{
    QLineSeries *cash = series(QStringLiteral("Cash at end of month"));
    const MonthlyAmounts &amounts = statements.cashFlow.line(CashFlow::CashAtEndOfMonth).months;
    for (int month = 0; month < PlanMonths; ++month)
        cash->append(month + 1, plotted(amounts.at(static_cast<size_t>(month))));
    QLineSeries *zero = series(QStringLiteral("Zero"));
    zero->append(1, 0);
    zero->append(PlanMonths, 0);
    chart.addSeries(cash);
    chart.addSeries(zero);
    QPen pen = zero->pen();
    pen.setStyle(Qt::DashLine);
    pen.setColor(Qt::red);
    zero->setPen(pen);
    addAxes(chart, QStringLiteral("Month of the plan"), QStringLiteral("Cash"), 1, PlanMonths);
    showQuarters(chart);
}

Money yearOne(const Statements &statements, int line)
{
    return statements.profitAndLoss.line(line).years.at(0);
}

void breakEven(QChart &chart, const Statements &statements)
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
    QLineSeries *sales = series(QStringLiteral("Revenue"));
    QLineSeries *costs = series(QStringLiteral("Total costs"));
    QLineSeries *fixedCosts = series(QStringLiteral("Fixed costs"));
    for (const double volume : {0.0, widest}) {
        sales->append(volume, volume);
        costs->append(volume, fixed + variableShare * volume);
        fixedCosts->append(volume, fixed);
    }
    chart.addSeries(sales);
    chart.addSeries(costs);
    chart.addSeries(fixedCosts);
    QPen pen = fixedCosts->pen();
    pen.setStyle(Qt::DotLine);
    fixedCosts->setPen(pen);
    addAxes(chart, QStringLiteral("Monthly sales volume (revenue, year 1's mix)"), QStringLiteral("Per month"), 0,
            widest);
}

} // namespace

QString chartTitle(PlanChart chart)
{
    switch (chart) {
    case PlanChart::RevenueAndCosts: return QStringLiteral("Revenue and total costs per month");
    case PlanChart::Cash: return QStringLiteral("Cash at the end of each month");
    case PlanChart::BreakEven: return QStringLiteral("Break-even: revenue and costs over volume");
    }
    return {};
}

QChart *makeChart(PlanChart kind, const Statements &statements, const QPalette &palette)
{
    auto *chart = new QChart;
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setTitle(chartTitle(kind));
    chart->legend()->setAlignment(Qt::AlignBottom);
    switch (kind) {
    case PlanChart::RevenueAndCosts: revenueAndCosts(*chart, statements); break;
    case PlanChart::Cash: cash(*chart, statements); break;
    case PlanChart::BreakEven: breakEven(*chart, statements); break;
    }
    return chart;
}

} // namespace plan::ui
