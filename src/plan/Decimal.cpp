#include "plan/Decimal.h"

#include "plan/PlanError.h"

#include <QCoreApplication>

namespace plan {

namespace {

__extension__ using UInt128 = unsigned __int128;

constexpr UInt128 Scale = Decimal::Scale;
constexpr Int128 Largest = static_cast<Int128>(~UInt128(0) >> 1);

[[noreturn]] void tooLarge()
{
    throw PlanError(QCoreApplication::translate("plan::Decimal", "A value of the plan is too large to be computed."));
}

UInt128 magnitude(Int128 value)
{
    return value < 0 ? UInt128(0) - static_cast<UInt128>(value) : static_cast<UInt128>(value);
}

Int128 signedValue(UInt128 value, bool negative)
{
    if (value > static_cast<UInt128>(Largest))
        tooLarge();
    const auto result = static_cast<Int128>(value);
    return negative ? -result : result;
}

UInt128 add(UInt128 a, UInt128 b)
{
    UInt128 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        tooLarge();
    return sum;
}

UInt128 multiply(UInt128 a, UInt128 b)
{
    UInt128 product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        tooLarge();
    return product;
}

UInt128 powerOfTen(int exponent)
{
    UInt128 value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

// value / divisor, half away from zero (on magnitudes).
UInt128 divideRounded(UInt128 value, UInt128 divisor)
{
    const UInt128 quotient = value / divisor;
    const UInt128 remainder = value % divisor;
    return remainder >= divisor - remainder ? quotient + 1 : quotient;
}

QString digitsOf(UInt128 value)
{
    QString text;
    do {
        text.prepend(QChar(u'0' + static_cast<char16_t>(value % 10)));
        value /= 10;
    } while (value != 0);
    return text;
}

} // namespace

Decimal Decimal::fromInteger(std::int64_t value)
{
    return Decimal(static_cast<Int128>(value) * Scale);
}

Decimal Decimal::fromMoney(Money amount)
{
    return Decimal(static_cast<Int128>(amount.cents()) * (Scale / 100));
}

Decimal Decimal::operator+(Decimal other) const
{
    Int128 sum = 0;
    if (__builtin_add_overflow(m_raw, other.m_raw, &sum))
        tooLarge();
    return Decimal(sum);
}

Decimal Decimal::operator-(Decimal other) const
{
    Int128 difference = 0;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &difference))
        tooLarge();
    return Decimal(difference);
}

Decimal Decimal::operator-() const
{
    return Decimal() - *this;
}

Decimal &Decimal::operator+=(Decimal other)
{
    return *this = *this + other;
}

Decimal &Decimal::operator-=(Decimal other)
{
    return *this = *this - other;
}

// |a| * |b| / 10^18 without an intermediate beyond 128 bits: with a = ai + af and
// b = bi + bf split at the point, only af * bf has digits to round.
Decimal Decimal::operator*(Decimal other) const
{
    const UInt128 a = magnitude(m_raw);
    const UInt128 b = magnitude(other.m_raw);
    const UInt128 ai = a / Scale, af = a % Scale;
    const UInt128 bi = b / Scale, bf = b % Scale;
    UInt128 result = multiply(multiply(ai, bi), Scale);
    result = add(result, multiply(ai, bf));
    result = add(result, multiply(af, bi));
    result = add(result, divideRounded(af * bf, Scale));
    return Decimal(signedValue(result, (m_raw < 0) != (other.m_raw < 0)));
}

namespace {

// Long division, one decimal digit at a time, so that no intermediate needs more than
// 128 bits; the digit after the last one kept rounds. The result is a / b * 10^digits.
UInt128 divideToDigits(UInt128 a, UInt128 b, int digits)
{
    UInt128 result = a / b;
    UInt128 remainder = a % b;
    for (int digit = 0; digit < digits; ++digit) {
        remainder = multiply(remainder, 10);
        result = add(multiply(result, 10), remainder / b);
        remainder %= b;
    }
    return remainder >= b - remainder ? add(result, 1) : result;
}

[[noreturn]] void divisionByZero()
{
    throw PlanError(QCoreApplication::translate("plan::Decimal", "A value of the plan is divided by zero."));
}

} // namespace

Decimal Decimal::operator/(Decimal other) const
{
    if (other.m_raw == 0)
        divisionByZero();
    const UInt128 result = divideToDigits(magnitude(m_raw), magnitude(other.m_raw), FractionDigits);
    return Decimal(signedValue(result, (m_raw < 0) != (other.m_raw < 0)));
}

Decimal Decimal::quotient(Int128 numerator, Int128 denominator, int digits)
{
    if (denominator == 0)
        divisionByZero();
    digits = qBound(0, digits, static_cast<int>(FractionDigits));
    const UInt128 result = divideToDigits(magnitude(numerator), magnitude(denominator), digits);
    return Decimal(
        signedValue(multiply(result, powerOfTen(FractionDigits - digits)), (numerator < 0) != (denominator < 0)));
}

Decimal Decimal::power(int exponent) const
{
    Decimal result = fromInteger(1);
    for (int i = 0; i < exponent; ++i)
        result = result * *this;
    return result;
}

Money Decimal::roundToCents() const
{
    const UInt128 cents = divideRounded(magnitude(m_raw), Scale / 100);
    if (cents > static_cast<UInt128>(INT64_MAX))
        tooLarge();
    const auto value = static_cast<std::int64_t>(cents);
    return Money::fromCents(m_raw < 0 ? -value : value);
}

Decimal Decimal::rounded(int digits) const
{
    if (digits >= FractionDigits)
        return *this;
    const UInt128 unit = powerOfTen(FractionDigits - qMax(digits, 0));
    return Decimal(signedValue(divideRounded(magnitude(m_raw), unit) * unit, m_raw < 0));
}

int Decimal::decimals() const
{
    UInt128 fraction = magnitude(m_raw) % Scale;
    if (fraction == 0)
        return 0;
    int digits = FractionDigits;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    return digits;
}

QString Decimal::toString() const
{
    return toString(decimals());
}

QString Decimal::toString(int digits) const
{
    digits = qBound(0, digits, static_cast<int>(FractionDigits));
    const UInt128 value = magnitude(rounded(digits).m_raw);
    QString text = digitsOf(value / Scale);
    if (digits > 0) {
        const QString fraction = digitsOf(value % Scale).rightJustified(FractionDigits, u'0');
        text += u'.' + fraction.left(digits);
    }
    // No "-0.00": a value that rounds to nothing has no sign.
    return m_raw < 0 && value != 0 ? u'-' + text : text;
}

std::optional<Decimal> Decimal::parse(const QString &text)
{
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        negative = text[at++] == u'-';
    UInt128 whole = 0;
    int wholeDigits = 0;
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9') {
        if (__builtin_mul_overflow(whole, 10, &whole)
            || __builtin_add_overflow(whole, static_cast<unsigned>(text[at].unicode() - u'0'), &whole))
            return std::nullopt;
        ++wholeDigits;
        ++at;
    }
    UInt128 fraction = 0;
    int fractionDigits = 0;
    if (at < text.size() && text[at] == u'.') {
        ++at;
        while (at < text.size() && text[at] >= u'0' && text[at] <= u'9') {
            if (++fractionDigits > FractionDigits)
                return std::nullopt;
            fraction = fraction * 10 + (text[at].unicode() - u'0');
            ++at;
        }
    }
    if (at != text.size() || wholeDigits + fractionDigits == 0)
        return std::nullopt;
    UInt128 raw = 0;
    if (__builtin_mul_overflow(whole, Scale, &raw)
        || __builtin_add_overflow(raw, fraction * powerOfTen(FractionDigits - fractionDigits), &raw)
        || raw > static_cast<UInt128>(Largest))
        return std::nullopt;
    const auto value = static_cast<Int128>(raw);
    return Decimal(negative ? -value : value);
}

} // namespace plan
