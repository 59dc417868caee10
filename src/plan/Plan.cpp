#include "plan/Plan.h"

namespace plan {

Plan Plan::startingAfter(const QDate &today)
{
    Plan plan;
    plan.settings.firstMonth = YearMonth::after(today);
    return plan;
}

QString revenueKindName(RevenueKind kind)
{
    switch (kind) {
    case RevenueKind::UnitSales: return QStringLiteral("Unit sales");
    case RevenueKind::Recurring: return QStringLiteral("Recurring");
    case RevenueKind::BillableHours: return QStringLiteral("Billable hours");
    }
    return {};
}

std::optional<RevenueKind> revenueKindFromName(const QString &name)
{
    for (const RevenueKind kind : {RevenueKind::UnitSales, RevenueKind::Recurring, RevenueKind::BillableHours}) {
        if (revenueKindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

QString financingKindName(FinancingKind kind)
{
    switch (kind) {
    case FinancingKind::Investment: return QStringLiteral("Investment");
    case FinancingKind::Loan: return QStringLiteral("Loan");
    }
    return {};
}

std::optional<FinancingKind> financingKindFromName(const QString &name)
{
    for (const FinancingKind kind : {FinancingKind::Investment, FinancingKind::Loan}) {
        if (financingKindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

} // namespace plan
