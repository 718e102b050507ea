#include "platform/ui/editmask.h"

#include <algorithm>

#include <QChar>

#include "platform/rtl/formatsettings.h"
#include "platform/rtl/strutils.h"

namespace {
// The first unescaped ';' of a mask, or npos.
std::size_t FieldEnd(const std::u32string& Mask, std::size_t From)
{
    for (std::size_t i = From; i < Mask.size(); ++i) {
        if (Mask[i] == U'\\')
            ++i;
        else if (Mask[i] == U';')
            return i;
    }
    return std::u32string::npos;
}

char32_t FirstOf(const std::string& Text, char32_t Fallback)
{
    const std::u32string s = Utf8ToUtf32(Text);
    return s.empty() ? Fallback : s.front();
}
} // namespace

TEditMask::TEditMask(const std::string& Mask)
{
    const std::u32string all = Utf8ToUtf32(Mask);
    const std::size_t maskEnd = FieldEnd(all, 0);
    const std::u32string mask = all.substr(0, maskEnd);
    if (maskEnd != std::u32string::npos) {
        const std::size_t saveEnd = all.find(U';', maskEnd + 1);
        const std::u32string save = all.substr(maskEnd + 1, saveEnd - maskEnd - 1);
        FSaveLiterals = save.empty() || save.front() != U'0';
        if (saveEnd != std::u32string::npos && saveEnd + 1 < all.size())
            FBlank = all[saveEnd + 1];
    }
    TCase caseMode = TCase::None;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char32_t c = mask[i];
        TPosition p;
        p.Case = caseMode;
        switch (c) {
        case U'!': FLeadingBlanks = true; continue;
        case U'>':
            if (i + 1 < mask.size() && mask[i + 1] == U'<') {
                caseMode = TCase::None;
                ++i;
            } else {
                caseMode = TCase::Upper;
            }
            continue;
        case U'<': caseMode = TCase::Lower; continue;
        case U'\\':
            if (++i >= mask.size())
                continue;
            p.Literal = mask[i];
            break;
        case U'L': p.Kind = TKind::Letter, p.Required = true; break;
        case U'l': p.Kind = TKind::Letter; break;
        case U'A': p.Kind = TKind::LetterOrDigit, p.Required = true; break;
        case U'a': p.Kind = TKind::LetterOrDigit; break;
        case U'C': p.Kind = TKind::Any, p.Required = true; break;
        case U'c': p.Kind = TKind::Any; break;
        case U'0': p.Kind = TKind::Digit, p.Required = true; break;
        case U'9': p.Kind = TKind::Digit; break;
        case U'#': p.Kind = TKind::DigitOrSign; break;
        case U':': p.Literal = FirstOf(FormatSettings.TimeSeparator, U':'); break;
        case U'/': p.Literal = FirstOf(FormatSettings.DateSeparator, U'/'); break;
        default: p.Literal = c;
        }
        FPositions.push_back(p);
    }
}

bool TEditMask::IsLiteral(int Pos) const
{
    return Pos < 0 || Pos >= Length() || FPositions[static_cast<std::size_t>(Pos)].Kind == TKind::Literal;
}

char32_t TEditMask::Converted(int Pos, char32_t Ch) const
{
    if (Pos < 0 || Pos >= Length())
        return Ch;
    switch (FPositions[static_cast<std::size_t>(Pos)].Case) {
    case TCase::Upper: return QChar::toUpper(Ch);
    case TCase::Lower: return QChar::toLower(Ch);
    default: return Ch;
    }
}

bool TEditMask::Accepts(int Pos, char32_t Ch) const
{
    if (IsLiteral(Pos) || Ch < 32)
        return false;
    const bool digit = Ch >= U'0' && Ch <= U'9';
    switch (FPositions[static_cast<std::size_t>(Pos)].Kind) {
    case TKind::Letter: return QChar::isLetter(Ch);
    case TKind::LetterOrDigit: return QChar::isLetter(Ch) || digit;
    case TKind::Any: return true;
    case TKind::Digit: return digit;
    case TKind::DigitOrSign: return digit || Ch == U'+' || Ch == U'-';
    case TKind::Literal: break;
    }
    return false;
}

int TEditMask::NextEditable(int Pos) const
{
    int p = std::max(Pos, 0);
    while (p < Length() && IsLiteral(p))
        ++p;
    return p;
}

int TEditMask::PrevEditable(int Pos) const
{
    int p = std::min(Pos, Length()) - 1;
    while (p >= 0 && IsLiteral(p))
        --p;
    return p;
}

std::u32string TEditMask::EmptyText() const
{
    std::u32string s;
    for (const TPosition& p : FPositions)
        s += p.Kind == TKind::Literal ? p.Literal : FBlank;
    return s;
}

std::u32string TEditMask::Format(const std::u32string& Value) const
{
    std::u32string s = EmptyText();
    const auto place = [&](int pos, char32_t c) {
        if (c != U' ' && c != FBlank && Accepts(pos, Converted(pos, c)))
            s[static_cast<std::size_t>(pos)] = Converted(pos, c);
    };
    if (FSaveLiterals) {
        for (int i = 0; i < Length() && i < static_cast<int>(Value.size()); ++i)
            if (!IsLiteral(i))
                place(i, Value[static_cast<std::size_t>(i)]);
        return s;
    }
    std::vector<int> editable;
    for (int i = 0; i < Length(); ++i)
        if (!IsLiteral(i))
            editable.push_back(i);
    const std::size_t n = std::min(editable.size(), Value.size());
    const std::size_t first = FLeadingBlanks ? editable.size() - n : 0;
    for (std::size_t k = 0; k < n; ++k)
        place(editable[first + k], Value[k]);
    return s;
}

std::u32string TEditMask::Strip(const std::u32string& EditText) const
{
    std::u32string s;
    for (int i = 0; i < Length() && i < static_cast<int>(EditText.size()); ++i) {
        const char32_t c = EditText[static_cast<std::size_t>(i)];
        if (!IsLiteral(i))
            s += c == FBlank ? U' ' : c;
        else if (FSaveLiterals)
            s += c;
    }
    return s;
}

int TEditMask::FirstIncomplete(const std::u32string& EditText) const
{
    for (int i = 0; i < Length(); ++i) {
        if (IsLiteral(i))
            continue;
        const char32_t c = i < static_cast<int>(EditText.size()) ? EditText[static_cast<std::size_t>(i)] : FBlank;
        const bool blank = c == FBlank || c == U' ';
        if (blank ? FPositions[static_cast<std::size_t>(i)].Required : !Accepts(i, c))
            return i;
    }
    return -1;
}
