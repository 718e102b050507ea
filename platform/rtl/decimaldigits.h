#pragma once
// A decimal number as a string of digits: the common ground of number
// formatting and parsing and of Currency's conversions. Internal to the runtime.
#include <cstdint>
#include <string>

enum class TDecimalRounding { HalfAwayFromZero, HalfEven };

// The value is (Negative ? -1 : 1) * 0.Digits * 10^Exponent. Digits has no
// leading or trailing zeros and is empty for zero (Exponent is then 0).
struct DecimalDigits {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;

    // The shortest digits that read back as the same double; value must be finite.
    static DecimalDigits FromDouble(double value);
    // raw / 10^scale, exactly.
    static DecimalDigits FromScaled(int64_t raw, int scale);

    bool IsZero() const { return Digits.empty(); }
    // Keeps the first keep digits and rounds by the rest; keep <= 0 may
    // round to zero or up to a single 1 at the next position.
    void RoundAt(int keep, TDecimalRounding rounding);
    void RoundToSignificant(int count, TDecimalRounding rounding) { RoundAt(count, rounding); }
    void RoundToDecimals(int decimals, TDecimalRounding rounding) { RoundAt(Exponent + decimals, rounding); }
    // The value times 10^scale when that is an integer that fits in int64.
    bool ToScaled(int scale, int64_t& raw) const;
    // The value as the nearest double; false when it is out of range.
    bool ToDouble(double& value) const;

private:
    void Normalize();
};
