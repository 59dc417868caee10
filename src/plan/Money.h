#pragma once

#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

namespace plan {

// An amount of money in whole cents. Sums and differences are checked: an amount
// beyond what 64 bits of cents hold throws PlanError rather than wrapping around.
class Money
{
public:
    constexpr Money() = default;
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents); }

    constexpr std::int64_t cents() const { return m_cents; }
    constexpr bool isZero() const { return m_cents == 0; }
    constexpr bool isNegative() const { return m_cents < 0; }

    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const;
    Money &operator+=(Money other);
    Money &operator-=(Money other);
    // A whole number of times the amount.
    Money times(std::int64_t factor) const;

    constexpr auto operator<=>(const Money &) const = default;

    // "1234.50", "-0.05": a dot, two decimals, no thousands separator, a minus sign.
    QString toString() const;
    // Reads "1234.5", "-12", "0.05" (at most two decimals, no exponent, no separators);
    // nothing when the text is not such an amount or does not fit.
    static std::optional<Money> parse(const QString &text);

private:
    explicit constexpr Money(std::int64_t cents)
        : m_cents(cents)
    {
    }
    std::int64_t m_cents = 0;
};

} // namespace plan
