// Text to numbers: StrToFloat, StrToCurr, StrToInt and their relatives.
#include <cctype>
#include <cstdint>
#include <limits>
#include <string_view>

#include "platform/rtl/decimaldigits.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// [sign] digits [separator digits] [E|e [sign] digits], at least one mantissa digit.
bool ParseDecimal(std::string_view text, const std::string& decimalSeparator, DecimalDigits& result)
{
    text = TrimBlanks(text);
    size_t i = 0;
    result = DecimalDigits();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        result.Negative = text[i++] == '-';
    std::string digits;
    int integerDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++integerDigits)
        digits += text[i];
    if (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
        i += decimalSeparator.size();
        for (; i < text.size() && IsDigit(text[i]); ++i)
            digits += text[i];
    }
    if (digits.empty())
        return false;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        if (i == text.size() || !IsDigit(text[i]))
            return false;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 100000L);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != text.size())
        return false;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return true;
    const auto last = digits.find_last_not_of('0');
    result.Digits = digits.substr(first, last - first + 1);
    result.Exponent = static_cast<int>(integerDigits - static_cast<long>(first) + exponent);
    return true;
}

// [sign] decimal digits, or hexadecimal digits after "$", "0x" or "0X". Decimal
// values must lie in [min, max]; hexadecimal ones may fill all bits of the
// type and read as two's complement.
template <typename T>
bool ParseInteger(std::string_view text, T& value)
{
    using Unsigned = std::make_unsigned_t<T>;
    text = TrimBlanks(text);
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        i += 1;
    } else if (text.substr(i).starts_with("0x") || text.substr(i).starts_with("0X")) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return false;
    const Unsigned base = hex ? 16 : 10;
    const Unsigned limit = hex ? std::numeric_limits<Unsigned>::max()
                               : static_cast<Unsigned>(std::numeric_limits<T>::max()) + (negative ? 1 : 0);
    Unsigned magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        Unsigned digit = 0;
        if (IsDigit(c))
            digit = static_cast<Unsigned>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<Unsigned>(c - 'a' + 10);
        else
            return false;
        if (magnitude > (limit - digit) / base)
            return false;
        magnitude = static_cast<Unsigned>(magnitude * base + digit);
    }
    value = static_cast<T>(negative ? static_cast<Unsigned>(0 - magnitude) : magnitude);
    return true;
}

[[noreturn]] void RaiseFloatError(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid floating point value");
}

[[noreturn]] void RaiseIntegerError(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid integer value");
}

} // namespace

bool TextToFloat(const std::string& text, double& value)
{
    return TextToFloat(text, value, FormatSettings);
}

bool TextToFloat(const std::string& text, double& value, const TFormatSettings& settings)
{
    DecimalDigits digits;
    return ParseDecimal(text, settings.DecimalSeparator, digits) && digits.ToDouble(value);
}

bool TryStrToFloat(const std::string& text, double& value)
{
    return TextToFloat(text, value, FormatSettings);
}

bool TryStrToFloat(const std::string& text, double& value, const TFormatSettings& settings)
{
    return TextToFloat(text, value, settings);
}

double StrToFloat(const std::string& text)
{
    return StrToFloat(text, FormatSettings);
}

double StrToFloat(const std::string& text, const TFormatSettings& settings)
{
    double value = 0;
    if (!TextToFloat(text, value, settings))
        RaiseFloatError(text);
    return value;
}

double StrToFloatDef(const std::string& text, double defaultValue)
{
    return StrToFloatDef(text, defaultValue, FormatSettings);
}

double StrToFloatDef(const std::string& text, double defaultValue, const TFormatSettings& settings)
{
    double value = 0;
    return TextToFloat(text, value, settings) ? value : defaultValue;
}

bool TryStrToCurr(const std::string& text, Currency& value)
{
    return TryStrToCurr(text, value, FormatSettings);
}

bool TryStrToCurr(const std::string& text, Currency& value, const TFormatSettings& settings)
{
    DecimalDigits digits;
    if (!ParseDecimal(text, settings.DecimalSeparator, digits))
        return false;
    digits.RoundToDecimals(4, TDecimalRounding::HalfEven);
    int64_t raw = 0;
    if (!digits.ToScaled(4, raw))
        return false;
    value = Currency::FromRaw(raw);
    return true;
}

Currency StrToCurr(const std::string& text)
{
    return StrToCurr(text, FormatSettings);
}

Currency StrToCurr(const std::string& text, const TFormatSettings& settings)
{
    Currency value;
    if (!TryStrToCurr(text, value, settings))
        RaiseFloatError(text);
    return value;
}

Currency StrToCurrDef(const std::string& text, Currency defaultValue)
{
    return StrToCurrDef(text, defaultValue, FormatSettings);
}

Currency StrToCurrDef(const std::string& text, Currency defaultValue, const TFormatSettings& settings)
{
    Currency value;
    return TryStrToCurr(text, value, settings) ? value : defaultValue;
}

bool TryStrToInt(const std::string& text, int& value)
{
    return ParseInteger(text, value);
}

bool TryStrToInt64(const std::string& text, int64_t& value)
{
    return ParseInteger(text, value);
}

int StrToInt(const std::string& text)
{
    int value = 0;
    if (!ParseInteger(text, value))
        RaiseIntegerError(text);
    return value;
}

int64_t StrToInt64(const std::string& text)
{
    int64_t value = 0;
    if (!ParseInteger(text, value))
        RaiseIntegerError(text);
    return value;
}

int StrToIntDef(const std::string& text, int defaultValue)
{
    int value = 0;
    return ParseInteger(text, value) ? value : defaultValue;
}

int64_t StrToInt64Def(const std::string& text, int64_t defaultValue)
{
    int64_t value = 0;
    return ParseInteger(text, value) ? value : defaultValue;
}
