#pragma once

#include "plan/Plan.h"

#include <random>

namespace plan_testing {

// Plans of every shape within the accepted ranges, the same for the same seed.
class PlanGenerator
{
public:
    explicit PlanGenerator(unsigned seed)
        : m_random(seed)
    {
    }

    plan::Plan next(int linesPerKind)
    {
        using namespace plan;
        Plan plan;
        plan.settings = {YearMonth{2020 + whole(0, 10), whole(1, 12)}, money(0, 5'000'000), percent(60), percent(40)};
        const int lines = linesPerKind < 0 ? whole(0, 6) : linesPerKind;
        for (int i = 0; i < lines; ++i) {
            const RevenueKind kind = std::array{RevenueKind::UnitSales, RevenueKind::Recurring,
                                                RevenueKind::BillableHours}[static_cast<std::size_t>(whole(0, 2))];
            plan.revenue << RevenueStream{
                name(),      kind,        month(),          decimal(0, 5000, 4), growth(), decimal(0, 500, 4),
                percent(30), percent(80), decimal(0, 20, 4)};
            const int start = month();
            plan.people << Person{name(), std::nullopt, money(0, 900'000), start,
                                  chance() ? std::optional<int>(whole(start, 36)) : std::nullopt};
            plan.expenses << Expense{name(), money(0, 500'000), month(), growth(), chance()};
            plan.financing << Financing{name(),
                                        chance() ? FinancingKind::Loan : FinancingKind::Investment,
                                        money(0, 10'000'000),
                                        month(),
                                        percent(30),
                                        whole(1, 120)};
            plan.assets << Asset{name(), money(0, 5'000'000), month(), whole(1, 80)};
        }
        return plan;
    }

private:
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance() { return whole(0, 1) == 1; }
    int month() { return whole(1, 36); }
    QString name() { return QStringLiteral("Line %1").arg(whole(1, 999)); }
    // Hundredths of a unit up to `high` units (cents for money).
    plan::Money money(int low, int high) { return plan::Money::fromCents(whole(low, high)); }
    // A value with up to `digits` decimals between low and high.
    plan::Decimal decimal(int low, int high, int digits)
    {
        int scale = 1;
        for (int i = 0; i < digits; ++i)
            scale *= 10;
        const std::int64_t units = std::uniform_int_distribution<std::int64_t>(std::int64_t(low) * scale,
                                                                               std::int64_t(high) * scale)(m_random);
        return plan::Decimal::quotient(units, scale, digits);
    }
    plan::Decimal percent(int high) { return decimal(0, high, 2); }
    plan::Decimal growth() { return decimal(-10, 10, 3); }

    std::mt19937 m_random;
};

} // namespace plan_testing
