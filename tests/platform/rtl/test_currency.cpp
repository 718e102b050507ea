#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/currency.h"
#include "platform/rtl/exceptions.h"

namespace {

struct DoubleCase {
    double Value;
    int64_t Raw;
};

TEST(Currency, FromDoubleRoundsTiesToEvenOnTheDecimalValue)
{
    const DoubleCase cases[] = {
        {0.00005, 0},      {0.00015, 2},       {0.00025, 2},     {0.00035, 4},        {2.00005, 20000},
        {2.00015, 20002},  {-0.00005, 0},      {-0.00015, -2},   {1.23456, 12346},    {1.23454, 12345},
        {0.1, 1000},       {-1234.5678, -12345678},               {922337203685477.0, 9223372036854770000},
        {1e-20, 0},        {0.000049999, 0},   {0.000050001, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Currency(c.Value).Raw(), c.Raw) << c.Value;
}

TEST(Currency, FromDoubleOutOfRangeRaises)
{
    EXPECT_THROW(Currency(1e15), EOverflow);
    EXPECT_THROW(Currency(-1e15), EOverflow);
    EXPECT_THROW(Currency(std::numeric_limits<double>::infinity()), EOverflow);
    EXPECT_THROW(Currency(std::nan("")), EInvalidOp);
}

TEST(Currency, IntegersConvertExactly)
{
    EXPECT_EQ(Currency(7).Raw(), 70000);
    EXPECT_EQ(Currency(-3).Raw(), -30000);
    EXPECT_EQ(Currency(int64_t{922337203685477}).Raw(), 9223372036854770000);
    EXPECT_THROW(Currency(int64_t{922337203685478}), EOverflow);
    EXPECT_THROW(Currency(std::numeric_limits<uint64_t>::max()), EOverflow);
}

TEST(Currency, ToDoubleIsTheNearestDouble)
{
    EXPECT_EQ(Currency::FromRaw(12345).ToDouble(), 1.2345);
    EXPECT_EQ(Currency::FromRaw(-1).ToDouble(), -0.0001);
    EXPECT_EQ(Currency::MaxValue().ToDouble(), 922337203685477.5807);
}

struct ArithmeticCase {
    const char* Name;
    int64_t A;
    int64_t B;
    int64_t Expected;
};

TEST(Currency, MultiplicationRoundsTiesToEven)
{
    const ArithmeticCase cases[] = {
        {"0.0001 * 0.5", 1, 5000, 0},         {"0.0003 * 0.5", 3, 5000, 2},
        {"-0.0003 * 0.5", -3, 5000, -2},      {"0.0005 * 0.5", 5, 5000, 2},
        {"0.0001 * 0.6", 1, 6000, 1},         {"12.5 * 3", 125000, 30000, 375000},
        {"-2 * -2.5", -20000, -25000, 50000},
    };
    for (const auto& c : cases)
        EXPECT_EQ((Currency::FromRaw(c.A) * Currency::FromRaw(c.B)).Raw(), c.Expected) << c.Name;
}

TEST(Currency, DivisionRoundsTiesToEven)
{
    const ArithmeticCase cases[] = {
        {"1 / 3", 10000, 30000, 3333},          {"2 / 3", 20000, 30000, 6667},
        {"0.0001 / 2", 1, 20000, 0},            {"0.0003 / 2", 3, 20000, 2},
        {"-0.0003 / 2", -3, 20000, -2},         {"0.0003 / -2", 3, -20000, -2},
        {"10 / 0.0001", 100000, 1, 1000000000},
    };
    for (const auto& c : cases)
        EXPECT_EQ((Currency::FromRaw(c.A) / Currency::FromRaw(c.B)).Raw(), c.Expected) << c.Name;
}

TEST(Currency, OverflowAndDivisionByZeroRaise)
{
    EXPECT_THROW(Currency::MaxValue() + Currency::FromRaw(1), EOverflow);
    EXPECT_THROW(Currency::MinValue() - Currency::FromRaw(1), EOverflow);
    EXPECT_THROW(Currency::MaxValue() * Currency(2), EOverflow);
    EXPECT_THROW(Currency::MaxValue() / Currency::FromRaw(5000), EOverflow);
    EXPECT_THROW(-Currency::MinValue(), EOverflow);
    EXPECT_THROW(Currency(1) / Currency(), EZeroDivide);

    Currency value(5);
    EXPECT_THROW(value += Currency::MaxValue(), EOverflow);
    EXPECT_EQ(value, Currency(5)) << "a failed operation leaves the value alone";
}

TEST(Currency, AddsSubtractsAndCompares)
{
    EXPECT_EQ(Currency(1.25) + Currency(2.5), Currency(3.75));
    EXPECT_EQ(Currency(1) - Currency(2.5), Currency(-1.5));
    EXPECT_EQ(-Currency(2), Currency(-2));
    EXPECT_LT(Currency(-1), Currency::FromRaw(-9999));
    EXPECT_GT(Currency(1), Currency(0.9999));
    EXPECT_EQ(Currency(1), Currency::FromRaw(10000));
    EXPECT_NE(Currency(1), Currency::FromRaw(10001));
}

} // namespace
