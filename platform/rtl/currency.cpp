#include "platform/rtl/currency.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/rtl/decimaldigits.h"
#include "platform/rtl/exceptions.h"

namespace {

using Wide = __int128;

// numerator / denominator rounded to the nearest integer, ties to even.
Wide DivideHalfEven(Wide numerator, Wide denominator)
{
    Wide quotient = numerator / denominator;
    const Wide remainder = numerator % denominator;
    const Wide twiceRemainder = remainder < 0 ? -2 * remainder : 2 * remainder;
    const Wide absDenominator = denominator < 0 ? -denominator : denominator;
    const bool negative = (numerator < 0) != (denominator < 0);
    if (twiceRemainder > absDenominator || (twiceRemainder == absDenominator && quotient % 2 != 0))
        quotient += negative ? -1 : 1;
    return quotient;
}

int64_t Narrow(Wide value)
{
    if (value < std::numeric_limits<int64_t>::min() || value > std::numeric_limits<int64_t>::max())
        throw EOverflow("Currency overflow");
    return static_cast<int64_t>(value);
}

} // namespace

void Currency::RaiseOverflow()
{
    throw EOverflow("Currency overflow");
}

Currency::Currency(double value)
{
    if (std::isnan(value))
        throw EInvalidOp("Invalid floating point operation: NaN converted to Currency");
    if (std::isinf(value))
        RaiseOverflow();
    DecimalDigits digits = DecimalDigits::FromDouble(value);
    digits.RoundToDecimals(4, TDecimalRounding::HalfEven);
    if (!digits.ToScaled(4, FRaw))
        RaiseOverflow();
}

double Currency::ToDouble() const
{
    // Reading the exact decimal text gives the double nearest to the amount.
    char buffer[32];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, FRaw).ptr;
    *end++ = 'e';
    *end++ = '-';
    *end++ = '4';
    double value = 0;
    std::from_chars(buffer, end, value);
    return value;
}

Currency Currency::operator-() const
{
    if (FRaw == std::numeric_limits<int64_t>::min())
        RaiseOverflow();
    return FromRaw(-FRaw);
}

Currency& Currency::operator+=(Currency other)
{
    int64_t result = 0;
    if (__builtin_add_overflow(FRaw, other.FRaw, &result))
        RaiseOverflow();
    FRaw = result;
    return *this;
}

Currency& Currency::operator-=(Currency other)
{
    int64_t result = 0;
    if (__builtin_sub_overflow(FRaw, other.FRaw, &result))
        RaiseOverflow();
    FRaw = result;
    return *this;
}

Currency& Currency::operator*=(Currency other)
{
    FRaw = Narrow(DivideHalfEven(Wide(FRaw) * other.FRaw, Scale));
    return *this;
}

Currency& Currency::operator/=(Currency other)
{
    if (other.FRaw == 0)
        throw EZeroDivide("Division by zero");
    FRaw = Narrow(DivideHalfEven(Wide(FRaw) * Scale, other.FRaw));
    return *this;
}
