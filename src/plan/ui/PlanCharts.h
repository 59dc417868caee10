#pragma once

#include "plan/ui/ChartDrawing.h"

#include <QString>

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

// The chart of the statements: its title, its lines, and axes that take in every point
// with a little room, and zero.
ChartFigure chartFigure(PlanChart chart, const Statements &statements);

} // namespace plan::ui
