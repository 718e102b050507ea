#include "platform/rtl/strutils.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <vector>

namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point at s[pos] and moves pos past it. A malformed
// sequence yields U+FFFD and consumes its longest valid-looking prefix (at
// least one byte), so decoding always advances and resynchronises on the next
// possible lead byte.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;

    int length = 0;
    char32_t code = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;  // overlong forms
        else if (lead == 0xED)
            high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;  // overlong forms
        else if (lead == 0xF4)
            high = 0x8F;  // above U+10FFFF
    } else {
        return kReplacementChar;
    }

    for (int i = 1; i < length; ++i) {
        if (pos >= s.size())
            return kReplacementChar;
        const auto next = static_cast<unsigned char>(s[pos]);
        if (next < low || next > high)
            return kReplacementChar;
        code = (code << 6) | (next & 0x3F);
        ++pos;
        low = 0x80;
        high = 0xBF;
    }
    return code;
}

void EncodeUtf8(char32_t code, std::string& out)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = kReplacementChar;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::u32string Folded(std::string_view s)
{
    std::u32string result = Utf8ToUtf32(s);
    for (char32_t& c : result)
        c = QChar::toCaseFolded(c);
    return result;
}

int Sign(int64_t value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int CompareCodes(const std::u32string& a, const std::u32string& b)
{
    return Sign(a.compare(b));
}

QString ToQString(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string AnsiUpperCase(const std::string& s)
{
    return ToQString(s).toUpper().toStdString();
}

std::string AnsiLowerCase(const std::string& s)
{
    return ToQString(s).toLower().toStdString();
}

int AnsiCompareText(const std::string& s1, const std::string& s2)
{
    return CompareCodes(Folded(s1), Folded(s2));
}

int AnsiCompareStr(const std::string& s1, const std::string& s2)
{
    const int folded = AnsiCompareText(s1, s2);
    if (folded != 0)
        return folded;
    // Equal but for case, code point by code point: the first difference
    // decides, lower case first.
    const std::u32string a = Utf8ToUtf32(s1);
    const std::u32string b = Utf8ToUtf32(s2);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i])
            continue;
        if (QChar::isLower(a[i]) != QChar::isLower(b[i]))
            return QChar::isLower(a[i]) ? -1 : 1;
        return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

bool AnsiSameText(const std::string& s1, const std::string& s2)
{
    return AnsiCompareText(s1, s2) == 0;
}

bool AnsiSameStr(const std::string& s1, const std::string& s2)
{
    return AnsiCompareStr(s1, s2) == 0;
}

bool AnsiStartsText(const std::string& subText, const std::string& text)
{
    const std::u32string prefix = Folded(subText);
    const std::u32string whole = Folded(text);
    return whole.size() >= prefix.size() && whole.compare(0, prefix.size(), prefix) == 0;
}

std::string AnsiQuotedStr(const std::string& s, char quote)
{
    std::string result;
    result.reserve(s.size() + 2);
    result += quote;
    for (const char c : s) {
        result += c;
        if (c == quote)
            result += quote;
    }
    result += quote;
    return result;
}

std::string AnsiExtractQuotedStr(std::string_view text, std::size_t& pos, char quote)
{
    if (pos >= text.size() || text[pos] != quote)
        return {};
    std::string result;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == quote) {
            if (pos + 1 < text.size() && text[pos + 1] == quote) {
                result += quote;
                pos += 2;
                continue;
            }
            ++pos;
            return result;
        }
        result += text[pos++];
    }
    return result;
}

std::string AnsiDequotedStr(const std::string& s, char quote)
{
    std::size_t pos = 0;
    std::string result = AnsiExtractQuotedStr(s, pos, quote);
    // Text that was not fully quoted comes back as it was: no opening quote,
    // or no closing quote at the end.
    const bool enclosed = s.size() >= 2 && s.front() == quote && s.back() == quote;
    if ((result.empty() || pos == s.size()) && !s.empty() && !enclosed)
        return s;
    return result;
}

std::string QuotedStr(const std::string& s)
{
    return AnsiQuotedStr(s, '\'');
}

std::string Trim(const std::string& s)
{
    return TrimLeft(TrimRight(s));
}

std::string TrimLeft(const std::string& s)
{
    const auto first = std::find_if_not(s.begin(), s.end(), IsBlank);
    return std::string(first, s.end());
}

std::string TrimRight(const std::string& s)
{
    const auto last = std::find_if_not(s.rbegin(), s.rend(), IsBlank);
    return std::string(s.begin(), last.base());
}

std::string UpperCase(const std::string& s)
{
    std::string result = s;
    std::transform(result.begin(), result.end(), result.begin(), AsciiUpper);
    return result;
}

std::string LowerCase(const std::string& s)
{
    std::string result = s;
    std::transform(result.begin(), result.end(), result.begin(), AsciiLower);
    return result;
}

int CompareText(const std::string& s1, const std::string& s2)
{
    const std::size_t common = std::min(s1.size(), s2.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto c1 = static_cast<unsigned char>(AsciiUpper(s1[i]));
        const auto c2 = static_cast<unsigned char>(AsciiUpper(s2[i]));
        if (c1 != c2)
            return c1 - c2;
    }
    return static_cast<int>(s1.size()) - static_cast<int>(s2.size());
}

bool SameText(const std::string& s1, const std::string& s2)
{
    return CompareText(s1, s2) == 0;
}

std::string IntToStr(int64_t value)
{
    return std::to_string(value);
}

std::string IntToHex(int64_t value, int digits)
{
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    auto bits = static_cast<uint64_t>(value);
    std::string result;
    do {
        result += kHexDigits[bits & 0xF];
        bits >>= 4;
    } while (bits != 0);
    if (digits > static_cast<int>(result.size()))
        result.append(static_cast<std::size_t>(digits) - result.size(), '0');
    std::reverse(result.begin(), result.end());
    return result;
}

std::string StringReplace(const std::string& s, const std::string& oldPattern,
                          const std::string& newPattern, TReplaceFlags flags)
{
    if (oldPattern.empty())
        return s;
    const bool all = flags.Contains(rfReplaceAll);

    // The byte ranges [first, last) of the matches, in order.
    std::vector<std::pair<std::size_t, std::size_t>> matches;
    if (!flags.Contains(rfIgnoreCase)) {
        for (std::size_t at = s.find(oldPattern); at != std::string::npos;
             at = s.find(oldPattern, at + oldPattern.size())) {
            matches.emplace_back(at, at + oldPattern.size());
            if (!all)
                break;
        }
    } else {
        // Folded code points of s with the byte offset each one starts at,
        // plus the end offset.
        std::u32string codes;
        std::vector<std::size_t> offsets;
        for (std::size_t pos = 0; pos < s.size();) {
            offsets.push_back(pos);
            codes += QChar::toCaseFolded(DecodeUtf8(s, pos));
        }
        offsets.push_back(s.size());
        const std::u32string pattern = Folded(oldPattern);
        for (std::size_t at = codes.find(pattern); at != std::u32string::npos;
             at = codes.find(pattern, at + pattern.size())) {
            matches.emplace_back(offsets[at], offsets[at + pattern.size()]);
            if (!all)
                break;
        }
    }

    std::string result;
    std::size_t copied = 0;
    for (const auto& [first, last] : matches) {
        result.append(s, copied, first - copied);
        result += newPattern;
        copied = last;
    }
    result.append(s, copied, std::string::npos);
    return result;
}

std::string StringOfChar(char ch, int count)
{
    return count > 0 ? std::string(static_cast<std::size_t>(count), ch) : std::string();
}

int Pos(const std::string& sub, const std::string& s)
{
    if (sub.empty())
        return 0;
    const std::size_t at = s.find(sub);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::u32string Utf8ToUtf32(std::string_view s)
{
    std::u32string result;
    result.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();)
        result += DecodeUtf8(s, pos);
    return result;
}

std::string Utf32ToUtf8(std::u32string_view s)
{
    std::string result;
    result.reserve(s.size());
    for (const char32_t code : s)
        EncodeUtf8(code, result);
    return result;
}

int Utf8Length(std::string_view s)
{
    int count = 0;
    for (std::size_t pos = 0; pos < s.size(); ++count)
        DecodeUtf8(s, pos);
    return count;
}

std::string Utf8Copy(std::string_view s, int index, int count)
{
    index = std::max(index, 1);
    std::string result;
    std::size_t pos = 0;
    for (int skipped = 1; skipped < index && pos < s.size(); ++skipped)
        DecodeUtf8(s, pos);
    for (int taken = 0; taken < count && pos < s.size(); ++taken)
        EncodeUtf8(DecodeUtf8(s, pos), result);
    return result;
}

bool IsValidUtf8(std::string_view s)
{
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t start = pos;
        if (DecodeUtf8(s, pos) == kReplacementChar) {
            // A genuine U+FFFD is three bytes; a malformed sequence is not.
            if (s.substr(start, pos - start) != "\xEF\xBF\xBD")
                return false;
        }
    }
    return true;
}
