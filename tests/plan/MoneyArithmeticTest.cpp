// The plan's arithmetic: exact decimals, the one rounding rule, and refusal rather
// than wrap-around at the edges of the range.
#include "plan/Decimal.h"
#include "plan/Money.h"
#include "plan/PlanError.h"

#include <gtest/gtest.h>

using namespace plan;

namespace {

Decimal d(const char *text)
{
    const std::optional<Decimal> value = Decimal::parse(QString::fromLatin1(text));
    EXPECT_TRUE(value) << text;
    return value.value_or(Decimal());
}

TEST(MoneyArithmetic, RoundsToCentsHalfAwayFromZeroOnce)
{
    const struct
    {
        const char *exact;
        const char *cents;
    } cases[] = {
        {"0.125", "0.13"},      {"-0.125", "-0.13"},   {"0.124999999999999999", "0.12"},
        {"2.675", "2.68"},      {"-2.675", "-2.68"},   {"0.005", "0.01"},
        {"-0.005", "-0.01"},    {"-0.004", "0.00"},    {"1250.5", "1250.50"},
        {"125.0125", "125.01"}, {"125.025", "125.03"}, {"99999999999.995", "100000000000.00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(d(c.exact).roundToCents().toString(), QString::fromLatin1(c.cents)) << c.exact;
}

TEST(MoneyArithmetic, ReadsAndWritesDecimalTextExactly)
{
    for (const char *text : {"0", "2.5", "-0.125", "1250.5", "0.000000000000000001", "170000000000000000000"})
        EXPECT_EQ(d(text).toString(), QString::fromLatin1(text));
    EXPECT_EQ(d("+3").toString(), "3");
    EXPECT_EQ(d(".5").toString(), "0.5");
    EXPECT_EQ(d("-0").toString(), "0");
    EXPECT_EQ(d("-0.001").toString(2), "0.00") << "a value that rounds to nothing has no sign";
    for (const char *bad : {"", "-", ".", "1e5", "1,5", "1 000", " 1", "0x10", "1.2.3", "--1", "NaN", "inf",
                            "0.0000000000000000001", "200000000000000000000"})
        EXPECT_FALSE(Decimal::parse(QString::fromLatin1(bad))) << bad;
}

TEST(MoneyArithmetic, ProductsAndQuotientsKeepEighteenDecimals)
{
    EXPECT_EQ((d("1.025") * d("1.025")).toString(), "1.050625");
    EXPECT_EQ((d("-3.5") * d("0.1")).toString(), "-0.35");
    EXPECT_EQ((d("123456789.123456789") * d("987654321.987654321")).toString(),
              "121932631356500531.347203169112635269");
    EXPECT_EQ((d("1") / d("3")).toString(), "0.333333333333333333");
    EXPECT_EQ((d("2") / d("3")).toString(), "0.666666666666666667");
    EXPECT_EQ((d("-2") / d("3")).toString(), "-0.666666666666666667");
    EXPECT_EQ(d("1.01").power(12).toString(), "1.126825030131969721");
    EXPECT_EQ(Decimal::quotient(2, 3, 2).toString(), "0.67");
    EXPECT_EQ(Decimal::quotient(-1, 8, 2).toString(), "-0.13");
}

TEST(MoneyArithmetic, RefusesWhatDoesNotFitInsteadOfWrapping)
{
    const Decimal huge = d("100000000000000000000");
    EXPECT_THROW(huge + huge, PlanError);
    EXPECT_THROW(huge * d("2"), PlanError);
    EXPECT_THROW(d("1") / Decimal(), PlanError);
    EXPECT_THROW(d("2").power(80), PlanError);
    EXPECT_THROW(huge.roundToCents(), PlanError);
    EXPECT_THROW(Money::fromCents(INT64_MAX) + Money::fromCents(1), PlanError);
    EXPECT_THROW(Money::fromCents(INT64_MIN) - Money::fromCents(1), PlanError);
    EXPECT_THROW(-Money::fromCents(INT64_MIN), PlanError);
}

TEST(MoneyArithmetic, MoneyTextHasTwoDecimalsAndAMinusSign)
{
    EXPECT_EQ(Money::fromCents(-5).toString(), "-0.05");
    EXPECT_EQ(Money::fromCents(123456).toString(), "1234.56");
    EXPECT_EQ(Money::parse(QStringLiteral("1234.5")), Money::fromCents(123450));
    EXPECT_EQ(Money::parse(QStringLiteral("-12")), Money::fromCents(-1200));
    EXPECT_FALSE(Money::parse(QStringLiteral("0.125"))) << "no fraction of a cent";
    EXPECT_FALSE(Money::parse(QStringLiteral("100000000000000000")));
}

} // namespace
