#pragma once
// Currency: a fixed-point amount with four decimal places, stored as the value
// times 10,000 in a 64-bit integer. Conversions from double round to the
// nearest 1/10000 with ties to even, judged on the double's shortest decimal
// form (so 0.00015 is a tie and becomes 0.0002). Arithmetic is exact where the
// result fits; multiplication and division round ties to even; results outside
// the range raise EOverflow, division by zero raises EZeroDivide.
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <type_traits>

class Currency {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;

    // Whole amounts convert exactly; EOverflow when the amount does not fit.
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    constexpr Currency(T units) : FRaw(ScaleUnits(units))
    {
    }

    // Rounds to four decimals, ties to even; EOverflow out of range, EInvalidOp for NaN.
    explicit Currency(double value);

    static constexpr Currency FromRaw(int64_t raw)
    {
        Currency result;
        result.FRaw = raw;
        return result;
    }
    static constexpr Currency MinValue() { return FromRaw(std::numeric_limits<int64_t>::min()); }
    static constexpr Currency MaxValue() { return FromRaw(std::numeric_limits<int64_t>::max()); }

    constexpr int64_t Raw() const { return FRaw; }
    double ToDouble() const;

    Currency operator-() const;
    Currency& operator+=(Currency other);
    Currency& operator-=(Currency other);
    Currency& operator*=(Currency other);
    Currency& operator/=(Currency other);

    friend Currency operator+(Currency a, Currency b) { return a += b; }
    friend Currency operator-(Currency a, Currency b) { return a -= b; }
    friend Currency operator*(Currency a, Currency b) { return a *= b; }
    friend Currency operator/(Currency a, Currency b) { return a /= b; }

    friend constexpr auto operator<=>(Currency, Currency) = default;
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    template <std::integral T>
    static constexpr int64_t ScaleUnits(T units)
    {
        constexpr int64_t limit = std::numeric_limits<int64_t>::max() / Scale;
        if constexpr (std::is_signed_v<T>) {
            if (units < -limit || units > limit)
                RaiseOverflow();
        } else {
            if (units > static_cast<std::make_unsigned_t<int64_t>>(limit))
                RaiseOverflow();
        }
        return static_cast<int64_t>(units) * Scale;
    }
    [[noreturn]] static void RaiseOverflow();

    int64_t FRaw = 0;
};
