#include "platform/rtl/decimaldigits.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

DecimalDigits DecimalDigits::FromDouble(double value)
{
    DecimalDigits result;
    result.Negative = std::signbit(value);
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific).ptr;
    // Shortest scientific form: d[.ddd]e(+|-)xx
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            result.Digits += *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    result.Exponent = exponent + 1;
    result.Normalize();
    return result;
}

DecimalDigits DecimalDigits::FromScaled(int64_t raw, int scale)
{
    DecimalDigits result;
    result.Negative = raw < 0;
    const uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
    result.Digits = std::to_string(magnitude);
    result.Exponent = static_cast<int>(result.Digits.size()) - scale;
    result.Normalize();
    return result;
}

void DecimalDigits::Normalize()
{
    const auto first = Digits.find_first_not_of('0');
    if (first == std::string::npos) {
        Digits.clear();
        Exponent = 0;
        return;
    }
    Digits.erase(0, first);
    Exponent -= static_cast<int>(first);
    Digits.erase(Digits.find_last_not_of('0') + 1);
}

void DecimalDigits::RoundAt(int keep, TDecimalRounding rounding)
{
    const int size = static_cast<int>(Digits.size());
    if (keep >= size)
        return;
    if (keep < 0) {
        Digits.clear();
        Exponent = 0;
        return;
    }
    const char next = Digits[keep];
    bool up = next > '5';
    if (next == '5') {
        const bool exactHalf = keep + 1 == size;
        if (!exactHalf || rounding == TDecimalRounding::HalfAwayFromZero)
            up = true;
        else
            up = keep > 0 && (Digits[keep - 1] - '0') % 2 != 0;
    }
    Digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && Digits[i] == '9')
            Digits[i--] = '0';
        if (i < 0) {
            Digits.insert(Digits.begin(), '1');
            ++Exponent;
        } else {
            ++Digits[i];
        }
    }
    Normalize();
}

bool DecimalDigits::ToScaled(int scale, int64_t& raw) const
{
    const int size = static_cast<int>(Digits.size());
    const int zeros = Exponent + scale - size;
    if (zeros < 0)
        return false;
    // 2^63 is the largest magnitude, reachable only for negative values.
    const uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (Negative ? 1 : 0);
    if (size + zeros > 19)
        return false;
    uint64_t magnitude = 0;
    for (int i = 0; i < size + zeros; ++i) {
        const uint64_t digit = i < size ? static_cast<uint64_t>(Digits[i] - '0') : 0;
        if (magnitude > (limit - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    raw = Negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

bool DecimalDigits::ToDouble(double& value) const
{
    if (IsZero() || Exponent < -400) {
        value = Negative ? -0.0 : 0.0;
        return true;
    }
    if (Exponent > 310)
        return false;
    const std::string text = "0." + Digits + "e" + std::to_string(Exponent);
    double magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        // Large exponents were refused above, so this is an underflow to zero.
        if (Exponent > 0)
            return false;
        magnitude = 0;
    } else if (error != std::errc() || end != text.data() + text.size() || std::isinf(magnitude)) {
        return false;
    }
    value = Negative ? -magnitude : magnitude;
    return true;
}
