// FloatToStr, FloatToStrF and their Currency counterparts.
#include "platform/rtl/floatformat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/rtl/decimaldigits.h"

namespace {

// Currency values show all their digits.
constexpr int CurrencyPrecision = 19;

std::string ExponentText(int exponent, int minDigits, bool alwaysSign)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    if (exponent < 0)
        return "-" + digits;
    return alwaysSign ? "+" + digits : digits;
}

std::string GroupThousands(const std::string& digits, const std::string& separator)
{
    std::string result;
    const size_t size = digits.size();
    for (size_t i = 0; i < size; ++i) {
        result += digits[i];
        if (i + 1 < size && (size - 1 - i) % 3 == 0)
            result += separator;
    }
    return result;
}

// value rounded to at most precision digits.
std::string General(const DecimalDigits& value, int precision, int exponentDigits, const TFormatSettings& settings)
{
    if (value.IsZero())
        return "0";
    const std::string sign = value.Negative ? "-" : "";
    const std::string& digits = value.Digits;
    const int exponent = value.Exponent;
    if (exponent > precision || exponent < -3) {
        std::string mantissa(1, digits[0]);
        if (digits.size() > 1)
            mantissa += settings.DecimalSeparator + digits.substr(1);
        return sign + mantissa + "E" + ExponentText(exponent - 1, exponentDigits, false);
    }
    if (exponent <= 0)
        return sign + "0" + settings.DecimalSeparator + std::string(-exponent, '0') + digits;
    std::string integral = digits.substr(0, exponent);
    integral.append(exponent - integral.size(), '0');
    if (static_cast<int>(digits.size()) <= exponent)
        return sign + integral;
    return sign + integral + settings.DecimalSeparator + digits.substr(exponent);
}

// value rounded to at most precision digits.
std::string Exponential(const DecimalDigits& value, int precision, int exponentDigits, const TFormatSettings& settings)
{
    std::string digits = value.Digits;
    digits.append(precision - digits.size(), '0');
    std::string text = value.Negative && !value.IsZero() ? "-" : "";
    text += digits[0];
    if (precision > 1)
        text += settings.DecimalSeparator + digits.substr(1);
    const int exponent = value.IsZero() ? 0 : value.Exponent - 1;
    return text + "E" + ExponentText(exponent, exponentDigits, true);
}

// The magnitude of value (already rounded to decimals) with exactly decimals decimals.
std::string Fixed(const DecimalDigits& value, int decimals, bool thousands, const TFormatSettings& settings)
{
    const std::string& digits = value.Digits;
    const int exponent = value.Exponent;
    std::string integral = "0";
    std::string fraction;
    if (exponent > 0) {
        integral = digits.substr(0, exponent);
        integral.append(exponent - integral.size(), '0');
        if (static_cast<int>(digits.size()) > exponent)
            fraction = digits.substr(exponent);
    } else if (!value.IsZero()) {
        fraction = std::string(-exponent, '0') + digits;
    }
    fraction.append(decimals - fraction.size(), '0');
    if (thousands)
        integral = GroupThousands(integral, settings.ThousandSeparator);
    return decimals > 0 ? integral + settings.DecimalSeparator + fraction : integral;
}

std::string PlaceCurrency(const std::string& number, bool negative, const TFormatSettings& settings)
{
    static const char* const Positive[] = {"$1", "1$", "$ 1", "1 $"};
    static const char* const Negative[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)",  "-1$",   "1-$",   "1$-",
                                           "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
    const char* pattern = negative
                              ? Negative[std::clamp(settings.NegCurrFormat, 0, 15)]
                              : Positive[std::clamp(settings.CurrencyFormat, 0, 3)];
    std::string text;
    for (const char* p = pattern; *p; ++p) {
        if (*p == '$')
            text += settings.CurrencyString;
        else if (*p == '1')
            text += number;
        else
            text += *p;
    }
    return text;
}

std::string FormatDigits(const DecimalDigits& value, TFloatFormat format, int precision, int digits,
                         const TFormatSettings& settings)
{
    if (format == TFloatFormat::ffGeneral || format == TFloatFormat::ffExponent) {
        DecimalDigits rounded = value;
        rounded.RoundToSignificant(precision, TDecimalRounding::HalfAwayFromZero);
        const int exponentDigits = std::clamp(digits, 0, 4);
        return format == TFloatFormat::ffGeneral ? General(rounded, precision, exponentDigits, settings)
                                                 : Exponential(rounded, precision, exponentDigits, settings);
    }
    const int decimals = std::clamp(digits, 0, 18);
    DecimalDigits rounded = value;
    rounded.RoundAt(std::min(precision, value.Exponent + decimals), TDecimalRounding::HalfAwayFromZero);
    if (rounded.Exponent > precision) {
        rounded = value;
        rounded.RoundToSignificant(precision, TDecimalRounding::HalfAwayFromZero);
        return General(rounded, precision, 0, settings);
    }
    const bool negative = rounded.Negative && !rounded.IsZero();
    const std::string number = Fixed(rounded, decimals, format != TFloatFormat::ffFixed, settings);
    if (format == TFloatFormat::ffCurrency)
        return PlaceCurrency(number, negative, settings);
    return negative ? "-" + number : number;
}

} // namespace

std::string FloatToStr(double value)
{
    return FloatToStr(value, FormatSettings);
}

std::string FloatToStr(double value, const TFormatSettings& settings)
{
    return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0, settings);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits)
{
    return FloatToStrF(value, format, precision, digits, FormatSettings);
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    return FormatDigits(DecimalDigits::FromDouble(value), format, std::clamp(precision, 1, 18), digits, settings);
}

std::string CurrToStr(Currency value)
{
    return CurrToStr(value, FormatSettings);
}

std::string CurrToStr(Currency value, const TFormatSettings& settings)
{
    return CurrToStrF(value, TFloatFormat::ffGeneral, 0, settings);
}

std::string CurrToStrF(Currency value, TFloatFormat format, int digits)
{
    return CurrToStrF(value, format, digits, FormatSettings);
}

std::string CurrToStrF(Currency value, TFloatFormat format, int digits, const TFormatSettings& settings)
{
    return FormatDigits(DecimalDigits::FromScaled(value.Raw(), 4), format, CurrencyPrecision, digits, settings);
}
