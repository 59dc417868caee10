// Recomputing a plan's statements, as the plan window does after every edit: 50 lines
// of each kind, every line growing, every loan with interest. The goal is under 5 ms.
#include "plan/Statements.h"
#include "plan/StatementsCsv.h"

#include <benchmark/benchmark.h>

namespace {

plan::Decimal decimal(const char *text)
{
    return plan::Decimal::parse(QString::fromLatin1(text)).value();
}

plan::Plan largePlan()
{
    using namespace plan;
    Plan plan;
    plan.settings = {YearMonth{2027, 1}, Money::fromCents(5'000'000), decimal("27.5"), decimal("18.25")};
    const RevenueKind kinds[] = {RevenueKind::UnitSales, RevenueKind::Recurring, RevenueKind::BillableHours};
    for (int i = 0; i < 50; ++i) {
        const QString name = QStringLiteral("Line %1").arg(i + 1);
        const int month = i % 36 + 1;
        plan.revenue << RevenueStream{name,
                                      kinds[i % 3],
                                      month,
                                      decimal("120.5"),
                                      decimal("2.75"),
                                      decimal("49.99"),
                                      decimal("3.5"),
                                      decimal("22.5"),
                                      decimal("1.2345")};
        plan.people << Person{name, std::nullopt, Money::fromCents(420'000 + i), month,
                              i % 2 ? std::optional<int>(36) : std::nullopt};
        plan.expenses << Expense{name, Money::fromCents(95'050 + i), month, decimal("0.875"), i % 5 == 0};
        plan.financing << Financing{name,
                                    i % 2 ? FinancingKind::Loan : FinancingKind::Investment,
                                    Money::fromCents(2'500'000 + i),
                                    month,
                                    decimal("6.9"),
                                    60};
        plan.assets << Asset{name, Money::fromCents(1'200'033 + i), month, 37};
    }
    return plan;
}

void recomputeStatements(benchmark::State &state)
{
    const plan::Plan plan = largePlan();
    for (auto _ : state)
        benchmark::DoNotOptimize(plan::computeStatements(plan));
    state.SetLabel("50 lines of each kind");
}
BENCHMARK(recomputeStatements)->Unit(benchmark::kMillisecond);

void statementsAsCsv(benchmark::State &state)
{
    const plan::Statements statements = plan::computeStatements(largePlan());
    for (auto _ : state)
        benchmark::DoNotOptimize(plan::statementsCsv(statements, plan::ByteOrderMark::With));
}
BENCHMARK(statementsAsCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
