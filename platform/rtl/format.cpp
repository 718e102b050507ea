#include "platform/rtl/format.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// Widths and precisions above this are taken for a broken format rather than
// allocated.
constexpr int kMaxField = 1 << 20;
constexpr int kMaxSignificantDigits = 18;

struct TSpec {
    bool LeftJustify = false;
    int Width = -1;
    int Precision = -1;
    char Type = 0;
};

class TFormatter {
public:
    TFormatter(const std::string& fmt, std::span<const TFormatArg> args) : FFmt(fmt), FArgs(args) {}

    std::string Run()
    {
        while (FPos < FFmt.size()) {
            const char c = FFmt[FPos++];
            if (c != '%') {
                FOut += c;
                continue;
            }
            if (Peek() == '%') {
                ++FPos;
                FOut += '%';
                continue;
            }
            const TSpec spec = ParseSpec();
            Pad(spec, Convert(spec, NextArg()));
        }
        return std::move(FOut);
    }

private:
    [[noreturn]] void Fail() const
    {
        throw EConvertError("Format '" + FFmt + "' invalid or incompatible with argument");
    }

    char Peek() const { return FPos < FFmt.size() ? FFmt[FPos] : '\0'; }

    const TFormatArg& NextArg()
    {
        if (FArgIndex >= FArgs.size())
            Fail();
        return FArgs[FArgIndex++];
    }

    int IntegerArg()
    {
        const TFormatArg& arg = NextArg();
        if (arg.Kind() == TFormatArg::TKind::Signed && arg.AsSigned() >= -kMaxField && arg.AsSigned() <= kMaxField)
            return static_cast<int>(arg.AsSigned());
        if (arg.Kind() == TFormatArg::TKind::Unsigned && arg.AsUnsigned() <= kMaxField)
            return static_cast<int>(arg.AsUnsigned());
        Fail();
    }

    // Reads a decimal number or '*' (taken from the arguments); false when
    // neither is there.
    bool ReadNumber(int& value)
    {
        if (Peek() == '*') {
            ++FPos;
            value = IntegerArg();
            return true;
        }
        if (Peek() < '0' || Peek() > '9')
            return false;
        value = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            value = value * 10 + (FFmt[FPos++] - '0');
            if (value > kMaxField)
                Fail();
        }
        return true;
    }

    TSpec ParseSpec()
    {
        TSpec spec;
        int number = 0;
        bool haveNumber = ReadNumber(number);
        if (haveNumber && Peek() == ':') {
            ++FPos;
            if (number < 0)
                Fail();
            FArgIndex = static_cast<std::size_t>(number);
            haveNumber = false;
        }
        if (!haveNumber && Peek() == '-') {
            ++FPos;
            spec.LeftJustify = true;
        }
        if (haveNumber || ReadNumber(number)) {
            if (number < 0) {
                spec.LeftJustify = true;
                number = -number;
            }
            spec.Width = number;
        }
        if (Peek() == '.') {
            ++FPos;
            int precision = 0;
            ReadNumber(precision);
            spec.Precision = precision < 0 ? -1 : precision;
        }
        const char type = Peek();
        if (type == '\0')
            Fail();
        ++FPos;
        spec.Type = static_cast<char>(type >= 'A' && type <= 'Z' ? type - 'A' + 'a' : type);
        return spec;
    }

    std::string Convert(const TSpec& spec, const TFormatArg& arg) const
    {
        using K = TFormatArg::TKind;
        const bool integer = arg.Kind() == K::Signed || arg.Kind() == K::Unsigned;
        switch (spec.Type) {
        case 'd':
            if (!integer)
                Fail();
            if (arg.Kind() == K::Signed && arg.AsSigned() < 0)
                return "-" + ZeroPad(std::to_string(0 - static_cast<uint64_t>(arg.AsSigned())), spec.Precision);
            return ZeroPad(std::to_string(Bits(arg)), spec.Precision);
        case 'u':
            if (!integer)
                Fail();
            return ZeroPad(std::to_string(Bits(arg)), spec.Precision);
        case 'x':
            if (!integer)
                Fail();
            return ZeroPad(IntToHex(static_cast<int64_t>(Bits(arg)), 1), spec.Precision);
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm':
            if (arg.Kind() != K::Float)
                Fail();
            return FormatFloat(spec, arg.AsFloat());
        case 's':
            if (arg.Kind() != K::String)
                Fail();
            if (spec.Precision >= 0 && Utf8Length(arg.AsString()) > spec.Precision)
                return Utf8Copy(arg.AsString(), 1, spec.Precision);
            return arg.AsString();
        case 'p':
            if (arg.Kind() != K::Pointer)
                Fail();
            return IntToHex(static_cast<int64_t>(reinterpret_cast<uintptr_t>(arg.AsPointer())),
                            static_cast<int>(2 * sizeof(void*)));
        default:
            Fail();
        }
    }

    static uint64_t Bits(const TFormatArg& arg)
    {
        return arg.Kind() == TFormatArg::TKind::Signed ? static_cast<uint64_t>(arg.AsSigned())
                                                       : arg.AsUnsigned();
    }

    static std::string ZeroPad(std::string digits, int precision)
    {
        if (precision > static_cast<int>(digits.size()))
            digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
        return digits;
    }

    static std::string Printf(const char* format, int precision, double value)
    {
        const int length = std::snprintf(nullptr, 0, format, precision, value);
        std::string result(static_cast<std::size_t>(length) + 1, '\0');
        std::snprintf(result.data(), result.size(), format, precision, value);
        result.resize(static_cast<std::size_t>(length));
        return result;
    }

    // Drops the sign of a result that rounded to zero ("-0.00").
    static std::string DropNegativeZero(std::string text)
    {
        if (!text.empty() && text[0] == '-') {
            const auto significant = std::find_if(text.begin(), text.end(), [](char c) {
                return c == 'E' || (c >= '1' && c <= '9');
            });
            if (significant == text.end() || *significant == 'E')
                text.erase(0, 1);
        }
        return text;
    }

    static std::string Exponent(int exponent, bool plusSign, int minDigits)
    {
        std::string digits = ZeroPad(std::to_string(std::abs(exponent)), minDigits);
        return std::string("E") + (exponent < 0 ? "-" : (plusSign ? "+" : "")) + digits;
    }

    // "-d.dddE+ddd" with `significant` digits, the exponent of at least three.
    static std::string Scientific(double value, int significant)
    {
        const std::string text = Printf("%.*E", significant - 1, value);
        const std::size_t e = text.find('E');
        return DropNegativeZero(text.substr(0, e) + Exponent(std::stoi(text.substr(e + 1)), true, 3));
    }

    // Shortest form with `significant` digits: fixed while the exponent is
    // within -4 .. significant - 1, otherwise "d.dddE-x", no trailing zeros.
    static std::string General(double value, int significant)
    {
        if (value == 0)
            return "0";
        const std::string text = Printf("%.*E", significant - 1, value);
        const std::size_t e = text.find('E');
        const int exponent = std::stoi(text.substr(e + 1));
        const bool negative = text[0] == '-';
        std::string digits;
        for (std::size_t i = negative ? 1 : 0; i < e; ++i)
            if (text[i] != '.')
                digits += text[i];
        digits.erase(digits.find_last_not_of('0') + 1);

        std::string result = negative ? "-" : "";
        if (exponent < -4 || exponent >= significant) {
            result += digits[0];
            if (digits.size() > 1)
                result += "." + digits.substr(1);
            return result + Exponent(exponent, false, 0);
        }
        if (exponent < 0)
            return result + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits)
            return result + digits + std::string(integerDigits - digits.size(), '0');
        return result + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
    }

    static std::string WithThousands(std::string fixed)
    {
        const std::size_t start = fixed[0] == '-' ? 1 : 0;
        std::size_t end = fixed.find('.');
        if (end == std::string::npos)
            end = fixed.size();
        for (std::size_t at = end; at > start + 3; at -= 3)
            fixed.insert(at - 3, 1, ',');
        return fixed;
    }

    static std::string FormatFloat(const TSpec& spec, double value)
    {
        if (std::isnan(value))
            return "NAN";
        if (std::isinf(value))
            return value < 0 ? "-INF" : "INF";
        const int significant = std::clamp(spec.Precision < 0 ? 15 : spec.Precision, 1, kMaxSignificantDigits);
        const int decimals = spec.Precision < 0 ? 2 : spec.Precision;
        switch (spec.Type) {
        case 'e':
            return Scientific(value, significant);
        case 'g':
            return General(value, significant);
        case 'f':
            return DropNegativeZero(Printf("%.*f", decimals, value));
        case 'n':
            return WithThousands(DropNegativeZero(Printf("%.*f", decimals, value)));
        default: {
            std::string money = WithThousands(DropNegativeZero(Printf("%.*f", decimals, value)));
            return money[0] == '-' ? "-$" + money.substr(1) : "$" + money;
        }
        }
    }

    void Pad(const TSpec& spec, const std::string& text)
    {
        const int length = spec.Type == 's' ? Utf8Length(text) : static_cast<int>(text.size());
        const std::size_t blanks = spec.Width > length ? static_cast<std::size_t>(spec.Width - length) : 0;
        if (!spec.LeftJustify)
            FOut.append(blanks, ' ');
        FOut += text;
        if (spec.LeftJustify)
            FOut.append(blanks, ' ');
    }

    const std::string& FFmt;
    std::span<const TFormatArg> FArgs;
    std::size_t FPos = 0;
    std::size_t FArgIndex = 0;
    std::string FOut;
};

}  // namespace

std::string FormatArgs(const std::string& fmt, std::span<const TFormatArg> args)
{
    return TFormatter(fmt, args).Run();
}
