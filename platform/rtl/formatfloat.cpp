// FormatFloat and FormatCurr: the display-format language.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/rtl/decimaldigits.h"
#include "platform/rtl/floatformat.h"

namespace {

// Integer digits beyond this many make a fixed-point section give way to FloatToStr.
constexpr size_t MaxFixedIntegerDigits = 18;

enum class TokenKind { Literal, IntegerDigit, DecimalDigit, DecimalPoint, Exponent };

struct Token {
    TokenKind Kind;
    std::string Text;        // Literal: the text; Exponent: "E" or "e"
    bool AlwaysSign = false; // Exponent: E+ rather than E-
    int MinDigits = 0;       // Exponent: zeros after the sign
};

struct Section {
    std::vector<Token> Tokens;
    int IntegerPlaceholders = 0;
    int FirstIntegerZero = -1; // among the integer placeholders
    int DecimalPlaceholders = 0;
    int LastDecimalZero = -1;  // among the decimal placeholders
    bool Thousands = false;
    bool Scientific = false;

    int MinIntegerDigits() const { return FirstIntegerZero < 0 ? 0 : IntegerPlaceholders - FirstIntegerZero; }
    int MinDecimals() const { return LastDecimalZero + 1; }
};

// Up to three sections split at semicolons outside quoted text.
std::vector<std::string_view> SplitSections(std::string_view format)
{
    std::vector<std::string_view> sections;
    size_t start = 0;
    char quote = 0;
    for (size_t i = 0; i < format.size() && sections.size() < 2; ++i) {
        const char c = format[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

Section ParseSection(std::string_view text)
{
    Section section;
    bool afterPoint = false;
    auto literal = [&](std::string_view s) {
        if (section.Tokens.empty() || section.Tokens.back().Kind != TokenKind::Literal)
            section.Tokens.push_back({TokenKind::Literal, std::string()});
        section.Tokens.back().Text += s;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            const size_t end = std::min(text.find(c, i + 1), text.size());
            literal(text.substr(i + 1, end - i - 1));
            i = end;
        } else if ((c == '0' || c == '#') && !section.Scientific) {
            if (afterPoint) {
                if (c == '0')
                    section.LastDecimalZero = section.DecimalPlaceholders;
                ++section.DecimalPlaceholders;
                section.Tokens.push_back({TokenKind::DecimalDigit, {}});
            } else {
                if (c == '0' && section.FirstIntegerZero < 0)
                    section.FirstIntegerZero = section.IntegerPlaceholders;
                ++section.IntegerPlaceholders;
                section.Tokens.push_back({TokenKind::IntegerDigit, {}});
            }
        } else if (c == '.' && !afterPoint && !section.Scientific) {
            afterPoint = true;
            section.Tokens.push_back({TokenKind::DecimalPoint, {}});
        } else if (c == ',') {
            section.Thousands = true;
        } else if ((c == 'E' || c == 'e') && !section.Scientific && i + 1 < text.size()
                   && (text[i + 1] == '+' || text[i + 1] == '-')) {
            Token token{TokenKind::Exponent, std::string(1, c), text[i + 1] == '+'};
            i += 2;
            while (i < text.size() && text[i] == '0') {
                ++token.MinDigits;
                ++i;
            }
            --i;
            section.Scientific = true;
            section.Tokens.push_back(std::move(token));
        } else {
            literal(text.substr(i, 1));
        }
    }
    return section;
}

void RoundForSection(DecimalDigits& magnitude, const Section& section)
{
    if (section.Scientific)
        magnitude.RoundToSignificant(std::max(1, section.IntegerPlaceholders + section.DecimalPlaceholders),
                                     TDecimalRounding::HalfAwayFromZero);
    else
        magnitude.RoundToDecimals(section.DecimalPlaceholders, TDecimalRounding::HalfAwayFromZero);
}

// Renders a rounded magnitude; nothing when a fixed-point result has too many integer digits.
std::optional<std::string> Render(const Section& section, const DecimalDigits& magnitude, bool minus,
                                  const TFormatSettings& settings)
{
    std::string integral;
    std::string fraction;
    int exponent = 0;
    const int size = static_cast<int>(magnitude.Digits.size());
    if (section.Scientific) {
        const int total = std::max(1, section.IntegerPlaceholders + section.DecimalPlaceholders);
        std::string digits = magnitude.Digits;
        digits.append(total - size, '0');
        integral = digits.substr(0, section.IntegerPlaceholders);
        integral.erase(0, std::min(integral.find_first_not_of('0'), integral.size()));
        fraction = digits.substr(section.IntegerPlaceholders);
        exponent = magnitude.IsZero() ? 0 : magnitude.Exponent - section.IntegerPlaceholders;
    } else {
        const int point = magnitude.Exponent;
        if (point > 0) {
            integral = magnitude.Digits.substr(0, point);
            integral.append(point - integral.size(), '0');
            if (size > point)
                fraction = magnitude.Digits.substr(point);
        } else if (!magnitude.IsZero()) {
            fraction = std::string(-point, '0') + magnitude.Digits;
        }
        if (integral.size() > MaxFixedIntegerDigits)
            return std::nullopt;
    }
    // Optional decimals drop their trailing zeros; required ones are padded.
    fraction.resize(std::max<size_t>(fraction.find_last_not_of('0') + 1, section.MinDecimals()), '0');
    if (static_cast<int>(integral.size()) < section.MinIntegerDigits())
        integral.insert(0, section.MinIntegerDigits() - integral.size(), '0');

    const int length = static_cast<int>(integral.size());
    const bool group = section.Thousands && !section.Scientific;
    std::string text = minus ? "-" : "";
    auto emitIntegral = [&](int from, int to) {
        for (int p = std::max(from, 0); p <= to; ++p) {
            text += integral[p];
            if (group && p < length - 1 && (length - 1 - p) % 3 == 0)
                text += settings.ThousandSeparator;
        }
    };
    int integerIndex = 0;
    size_t decimalIndex = 0;
    for (const Token& token : section.Tokens) {
        switch (token.Kind) {
        case TokenKind::Literal:
            text += token.Text;
            break;
        case TokenKind::IntegerDigit: {
            // The first placeholder also takes the digits the format has no room for.
            const int last = length - section.IntegerPlaceholders + integerIndex;
            emitIntegral(integerIndex == 0 ? 0 : last, last);
            ++integerIndex;
            break;
        }
        case TokenKind::DecimalPoint:
            if (section.IntegerPlaceholders == 0)
                emitIntegral(0, length - 1);
            if (!fraction.empty())
                text += settings.DecimalSeparator;
            break;
        case TokenKind::DecimalDigit:
            if (decimalIndex < fraction.size())
                text += fraction[decimalIndex];
            ++decimalIndex;
            break;
        case TokenKind::Exponent: {
            std::string digits = std::to_string(std::abs(exponent));
            if (static_cast<int>(digits.size()) < token.MinDigits)
                digits.insert(0, token.MinDigits - digits.size(), '0');
            text += token.Text;
            text += exponent < 0 ? "-" : (token.AlwaysSign ? "+" : "");
            text += digits;
            break;
        }
        }
    }
    return text;
}

std::optional<std::string> FormatPattern(const std::string& format, const DecimalDigits& value,
                                         const TFormatSettings& settings)
{
    const std::vector<std::string_view> sections = SplitSections(format);
    auto usable = [&](size_t index) { return index < sections.size() && !sections[index].empty(); };
    const bool negative = value.Negative && !value.IsZero();
    size_t index = value.IsZero() ? (usable(2) ? 2 : 0) : (negative && usable(1) ? 1 : 0);
    Section section = ParseSection(sections[index]);
    DecimalDigits magnitude = value;
    magnitude.Negative = false;
    RoundForSection(magnitude, section);
    if (magnitude.IsZero() && index != 2 && usable(2)) {
        index = 2;
        section = ParseSection(sections[index]);
    }
    return Render(section, magnitude, negative && index == 0 && !magnitude.IsZero(), settings);
}

} // namespace

std::string FormatFloat(const std::string& format, double value)
{
    return FormatFloat(format, value, FormatSettings);
}

std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings)
{
    if (format.empty() || !std::isfinite(value))
        return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0, settings);
    const std::optional<std::string> text = FormatPattern(format, DecimalDigits::FromDouble(value), settings);
    return text ? *text : FloatToStr(value, settings);
}

std::string FormatCurr(const std::string& format, Currency value)
{
    return FormatCurr(format, value, FormatSettings);
}

std::string FormatCurr(const std::string& format, Currency value, const TFormatSettings& settings)
{
    if (format.empty())
        return CurrToStr(value, settings);
    // Currency has at most 15 integer digits, so the fixed-point form always applies.
    return FormatPattern(format, DecimalDigits::FromScaled(value.Raw(), 4), settings).value();
}
