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
    case RevenueKind::UnitSales: return QString::fromLatin1(QT_TRANSLATE_NOOP("plan::Plan", "Unit sales"));
    case RevenueKind::Recurring: return QString::fromLatin1(QT_TRANSLATE_NOOP("plan::Plan", "Recurring"));
    case RevenueKind::BillableHours: return QString::fromLatin1(QT_TRANSLATE_NOOP("plan::Plan", "Billable hours"));
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
    case FinancingKind::Investment: return QString::fromLatin1(QT_TRANSLATE_NOOP("plan::Plan", "Investment"));
    case FinancingKind::Loan: return QString::fromLatin1(QT_TRANSLATE_NOOP("plan::Plan", "Loan"));
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
