#pragma once

#include "plan/Money.h"

#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

namespace plan {

__extension__ using Int128 = __int128;

// An exact decimal with 18 digits after the point, held in a 128-bit integer: the
// quantities, percents, prices and growth powers of a plan before a line is rounded.
// Sums, differences and products of values with at most 9 decimals each are exact;
// a product or quotient with more digits is cut to 18 decimals, rounding half away
// from zero. Anything beyond about 1.7e20 throws PlanError instead of wrapping.
class Decimal
{
public:
    static constexpr int FractionDigits = 18;
    static constexpr std::int64_t Scale = 1'000'000'000'000'000'000;

    constexpr Decimal() = default;
    static Decimal fromInteger(std::int64_t value);
    static Decimal fromMoney(Money amount);
    // The value raw / 10^18.
    static constexpr Decimal fromRaw(Int128 raw) { return Decimal(raw); }
    constexpr Int128 raw() const { return m_raw; }

    Decimal operator+(Decimal other) const;
    Decimal operator-(Decimal other) const;
    Decimal operator-() const;
    Decimal operator*(Decimal other) const;
    // Throws PlanError on a division by zero.
    Decimal operator/(Decimal other) const;
    // numerator / denominator to `digits` decimals (0-18), rounded half away from zero
    // from the exact quotient.
    static Decimal quotient(Int128 numerator, Int128 denominator, int digits);
    Decimal &operator+=(Decimal other);
    Decimal &operator-=(Decimal other);
    // The value to a whole non-negative power, by repeated multiplication from 1,
    // so that every implementation that multiplies in that order agrees.
    Decimal power(int exponent) const;

    constexpr auto operator<=>(const Decimal &) const = default;
    constexpr bool isZero() const { return m_raw == 0; }
    constexpr bool isNegative() const { return m_raw < 0; }

    // To whole cents, half away from zero: the plan's one rounding rule.
    Money roundToCents() const;
    // To `digits` decimals (0-18), half away from zero.
    Decimal rounded(int digits) const;
    // How many decimals the value needs (0-18).
    int decimals() const;

    // The shortest exact text: "2.5", "-0.125", "1250"; a dot, no exponent.
    QString toString() const;
    // The text with exactly `digits` decimals (rounding half away from zero).
    QString toString(int digits) const;
    // Reads "1250.50", "-2.5", "+3", ".5"; nothing for other text, more than 18
    // decimals, or a value out of range.
    static std::optional<Decimal> parse(const QString &text);

private:
    explicit constexpr Decimal(Int128 raw)
        : m_raw(raw)
    {
    }
    Int128 m_raw = 0;
};

} // namespace plan
