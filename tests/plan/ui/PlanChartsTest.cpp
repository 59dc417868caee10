// The plan's charts as the values handed to the chart module, over plans of every
// shape: every point inside its axes with zero in sight, and the break-even chart's
// lines crossing where the key figure says.
#include "plan/ui/PlanCharts.h"
#include "plan/PlanGenerator.h"
#include "plan/Statements.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using plan::ui::ChartFigure;
using plan::ui::ChartLine;
using plan::ui::PlanChart;

std::vector<plan::Plan> plansOfEveryShape()
{
    plan_testing::PlanGenerator plans(26);
    std::vector<plan::Plan> made = {plans.next(0)}; // nothing in it: a chart of zeros
    for (int i = 0; i < 40; ++i)
        made.push_back(plans.next(-1));
    return made;
}

TEST(PlanCharts, EveryPointLiesWithinItsAxesWhichTakeInZero)
{
    for (const plan::Plan &each : plansOfEveryShape()) {
        const plan::Statements statements = plan::computeStatements(each);
        for (const PlanChart kind : plan::ui::AllCharts) {
            const ChartFigure figure = plan::ui::chartFigure(kind, statements);
            SCOPED_TRACE(figure.title.toStdString());
            EXPECT_FALSE(figure.x.title.isEmpty());
            EXPECT_FALSE(figure.y.title.isEmpty());
            EXPECT_LE(figure.y.low, 0);
            // Even a plan of zeros gets an axis of whole amounts.
            EXPECT_GE(figure.y.high, 10);
            ASSERT_FALSE(figure.lines.empty());
            for (const ChartLine &line : figure.lines) {
                EXPECT_FALSE(line.points.isEmpty()) << line.name.toStdString();
                for (const QPointF &point : line.points) {
                    EXPECT_TRUE(point.x() >= figure.x.low && point.x() <= figure.x.high)
                        << line.name.toStdString() << " at " << point.x();
                    EXPECT_TRUE(point.y() >= figure.y.low && point.y() <= figure.y.high)
                        << line.name.toStdString() << " at " << point.y();
                }
            }
        }
    }
}

// Revenue and total costs are straight lines over the volume; where they meet is the
// break-even revenue of the key figures.
TEST(PlanCharts, BreakEvenLinesCrossAtTheKeyFiguresBreakEvenRevenue)
{
    int crossings = 0;
    for (const plan::Plan &each : plansOfEveryShape()) {
        const plan::Statements statements = plan::computeStatements(each);
        const std::optional<plan::Money> point = statements.keyFigures.breakEvenMonthlyRevenueYear1;
        if (!point)
            continue;
        const ChartFigure figure = plan::ui::chartFigure(PlanChart::BreakEven, statements);
        const QList<QPointF> &revenue = figure.lines.at(0).points;
        const QList<QPointF> &costs = figure.lines.at(1).points;
        ASSERT_EQ(revenue.size(), 2);
        ASSERT_EQ(costs.size(), 2);
        const double gapAtStart = costs[0].y() - revenue[0].y();
        const double gapAtEnd = costs[1].y() - revenue[1].y();
        ASSERT_GT(gapAtStart - gapAtEnd, 0) << "the lines never meet";
        const double crossing
            = revenue[0].x() + (revenue[1].x() - revenue[0].x()) * gapAtStart / (gapAtStart - gapAtEnd);
        const double expected = static_cast<double>(point->cents()) / 100.0;
        EXPECT_NEAR(crossing, expected, 0.01 + expected * 1e-9);
        EXPECT_LE(crossing, figure.x.high);
        ++crossings;
    }
    EXPECT_GT(crossings, 5);
}

} // namespace
