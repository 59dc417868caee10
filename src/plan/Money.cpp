#include "plan/Money.h"

#include "plan/Decimal.h"
#include "plan/PlanError.h"

#include <QCoreApplication>

namespace plan {

namespace {

[[noreturn]] void tooLarge()
{
    throw PlanError(QCoreApplication::translate("plan::Money", "An amount of the plan is too large to be computed."));
}

} // namespace

Money Money::operator+(Money other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(m_cents, other.m_cents, &sum))
        tooLarge();
    return Money(sum);
}

Money Money::operator-(Money other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(m_cents, other.m_cents, &difference))
        tooLarge();
    return Money(difference);
}

Money Money::operator-() const
{
    return Money() - *this;
}

Money &Money::operator+=(Money other)
{
    return *this = *this + other;
}

Money &Money::operator-=(Money other)
{
    return *this = *this - other;
}

Money Money::times(std::int64_t factor) const
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(m_cents, factor, &product))
        tooLarge();
    return Money(product);
}

QString Money::toString() const
{
    return Decimal::fromMoney(*this).toString(2);
}

std::optional<Money> Money::parse(const QString &text)
{
    const std::optional<Decimal> value = Decimal::parse(text);
    if (!value || value->decimals() > 2)
        return std::nullopt;
    const Int128 cents = value->raw() / (Decimal::Scale / 100);
    if (cents > INT64_MAX || cents < -INT64_MAX)
        return std::nullopt;
    return Money(static_cast<std::int64_t>(cents));
}

} // namespace plan
