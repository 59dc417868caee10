#pragma once

#include <QString>

class QChart;
class QPalette;

namespace plan {
struct Statements;
}

namespace plan::ui {

enum class PlanChart {
    RevenueAndCosts, // revenue against total costs, month by month
    Cash,            // cash at the end of each month, with the zero line
    BreakEven,       // year 1's revenue and costs over the monthly sales volume
};

inline constexpr PlanChart AllCharts[] = {PlanChart::RevenueAndCosts, PlanChart::Cash, PlanChart::BreakEven};

QString chartTitle(PlanChart chart);

// A new chart of the statements with its title and axis labels, in colours that read
// on the palette's window colour (a dark scheme gets the dark theme). The caller owns it.
QChart *makeChart(PlanChart chart, const Statements &statements, const QPalette &palette);

} // namespace plan::ui
