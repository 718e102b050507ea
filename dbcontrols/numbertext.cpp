#include "dbcontrols/numbertext.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"

namespace {
void ReplaceAll(std::string& Text, const std::string& What, const std::string& With)
{
    if (What.empty())
        return;
    for (std::size_t at = Text.find(What); at != std::string::npos; at = Text.find(What, at + With.size()))
        Text.replace(at, What.size(), With);
}

bool IsDigit(char C)
{
    return C >= '0' && C <= '9';
}

// Rounds to an integer with ties to the even neighbour; false when the
// result does not fit a signed 64-bit integer.
bool RoundHalfEven(long double X, long double& Result)
{
    constexpr long double kLimit = 9223372036854775807.0L;
    if (!(std::fabs(X) <= kLimit))
        return false;
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    Result = std::nearbyintl(X);
    std::fesetround(mode);
    return true;
}
} // namespace

std::string NormalizeNumberText(const std::string& Text, const TFormatSettings& Settings)
{
    const std::size_t first = Text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    std::string s = Text.substr(first, Text.find_last_not_of(' ') - first + 1);
    const std::string& decimal = Settings.DecimalSeparator;
    const std::string& thousand = Settings.ThousandSeparator;
    if (decimal != thousand)
        ReplaceAll(s, thousand, "");
    for (const char* c : {".", ","})
        if (decimal != c && thousand != c)
            ReplaceAll(s, c, decimal);
    return s;
}

std::string InsertThousands(const std::string& S, bool Thousands, const TFormatSettings& Settings)
{
    std::string sign;
    std::string rest = S;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        sign = rest.substr(0, 1);
        rest.erase(0, 1);
    }
    std::size_t end = rest.find_first_of("Ee");
    if (!Settings.DecimalSeparator.empty())
        end = std::min(end, rest.find(Settings.DecimalSeparator));
    end = std::min(end, rest.size());
    std::string integer;
    int digits = 0;
    for (std::size_t i = end; i-- > 0;) {
        if (Thousands && digits == 3) {
            integer.insert(0, Settings.ThousandSeparator);
            digits = 0;
        }
        integer.insert(integer.begin(), rest[i]);
        ++digits;
    }
    return sign + integer + rest.substr(end);
}

bool IsNumberText(const std::string& Text, double& X, const TFormatSettings& Settings)
{
    const std::string& decimal = Settings.DecimalSeparator;
    for (std::size_t i = 0; i < Text.size();) {
        const char c = Text[i];
        if (IsDigit(c) || c == '+' || c == '-' || c == 'E' || c == 'e') {
            ++i;
        } else if (!decimal.empty() && Text.compare(i, decimal.size(), decimal) == 0) {
            i += decimal.size();
        } else {
            return false;
        }
    }
    if (Text == "+" || Text == "-") {
        X = 0;
        return true;
    }
    return TextToFloat(Utf8Copy(Text, 1, 63), X, Settings);
}

bool NumberTextAcceptable(const std::string& Text, unsigned DecimalPlaces, double MinValue, double MaxValue,
                          const TFormatSettings& Settings)
{
    const std::string& decimal = Settings.DecimalSeparator;
    const std::size_t point = decimal.empty() ? std::string::npos : Text.find(decimal);
    if (point != std::string::npos) {
        const std::string after = Text.substr(point + decimal.size());
        const std::string fraction = after.substr(0, after.find_first_of("Ee"));
        if (static_cast<unsigned>(Utf8Length(fraction)) > DecimalPlaces)
            return false;
    }
    if (Text.empty())
        return true;
    double x = 0;
    if (!IsNumberText(Text, x, Settings))
        return false;
    return !(MinValue >= 0 && MaxValue > 0 && Text[0] == '-');
}

long double LimitNumber(long double X, long double MinValue, long double MaxValue, unsigned DecimalPlaces)
{
    if (MaxValue > MinValue) {
        if (X < MinValue)
            X = MinValue;
        if (X > MaxValue)
            X = MaxValue;
    } else if (MaxValue < MinValue) {
        // An inverted pair with one end 0 keeps only its other bound.
        if (MaxValue == 0) {
            if (X < MinValue)
                X = MinValue;
        } else if (MinValue == 0) {
            if (X > MaxValue)
                X = MaxValue;
        }
    }
    if (DecimalPlaces > 37)
        return X;
    long double scale = 1;
    for (unsigned i = 0; i < DecimalPlaces; ++i)
        scale *= 10;
    long double rounded = 0;
    if (!RoundHalfEven(X * scale, rounded))
        return X;
    return rounded / scale;
}

std::string NumberEditFormat(const std::string& DisplayFormat, bool Currency, const TFormatSettings& Settings)
{
    if (DisplayFormat.empty() && Currency)
        return ",#." + std::string(static_cast<std::size_t>(std::max(Settings.CurrencyDecimals, 0)), '0');
    std::string format;
    char quote = 0;
    for (std::size_t i = 0; i < DisplayFormat.size(); ++i) {
        const char c = DisplayFormat[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            break;
        } else if (c == 'E' || c == 'e') {
            // The exponent is not edited: its sign and digits go with it.
            std::size_t next = i + 1;
            if (next < DisplayFormat.size() && (DisplayFormat[next] == '+' || DisplayFormat[next] == '-'))
                ++next;
            while (next < DisplayFormat.size() && DisplayFormat[next] == '0')
                ++next;
            i = next - 1;
        } else if (c == '#' || c == '0' || c == ',' || c == '.') {
            format += c;
        }
    }
    return format;
}

std::string NumberDisplayText(const Variant& Value, const std::string& DisplayFormat, bool Currency,
                              const TFormatSettings& Settings)
{
    if (Value.IsNull() || Value.IsEmpty())
        return {};
    const double x = Value.AsDouble();
    if (!DisplayFormat.empty())
        return FormatFloat(DisplayFormat, x, Settings);
    if (Currency)
        return FloatToStrF(x, TFloatFormat::ffCurrency, 15, Settings.CurrencyDecimals, Settings);
    return FloatToStr(x, Settings);
}
