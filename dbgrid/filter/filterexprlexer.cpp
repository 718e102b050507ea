#include "dbgrid/filter/filterexprlexer.h"

#include <string_view>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"

namespace {
// Words resolved with the lexeme that follows them.
constexpr int kNotWord = 16, kInWord = 17, kNullWord = 18;

bool IsWordChar(char C)
{
    const auto code = static_cast<unsigned char>(C);
    return code >= 32 && std::string_view(" !\"&'()+,-.<=>|~").find(C) == std::string_view::npos;
}

int WordCode(const std::string& Word)
{
    const std::string upper = UpperCase(Word);
    if (upper == "NOT")
        return kNotWord;
    if (upper == "AND")
        return foAndLt;
    if (upper == "OR")
        return foOrLt;
    if (upper == "LIKE")
        return foLikeLt;
    if (upper == "IN")
        return kInWord;
    if (upper == "NULL")
        return kNullWord;
    return foNoneLt;
}
} // namespace

TFilterLexerLt::TFilterLexerLt(const std::string& Text, std::string Message, bool CommaIsDecimal)
    : FText(Text), FMessage(std::move(Message)), FCommaIsDecimal(CommaIsDecimal)
{
}

void TFilterLexerLt::Fail(const std::string& Prefix) const
{
    throw Exception(Prefix + FMessage);
}

void TFilterLexerLt::SkipBlanks()
{
    while (FPos < FText.size() && FText[FPos] == ' ')
        ++FPos;
}

bool TFilterLexerLt::Take(char C)
{
    SkipBlanks();
    if (FPos >= FText.size() || FText[FPos] != C)
        return false;
    ++FPos;
    return true;
}

bool TFilterLexerLt::AtEnd()
{
    SkipBlanks();
    return FPos >= FText.size();
}

TFilterLexerLt::TScan TFilterLexerLt::ScanOperator(std::size_t Pos) const
{
    if (Pos >= FText.size())
        return {foNoneLt, Pos};
    const auto next = [&](char C) { return Pos + 1 < FText.size() && FText[Pos + 1] == C; };
    switch (FText[Pos]) {
    case '!':
        return next('=') ? TScan{foNotEqualLt, Pos + 2} : TScan{kNotWord, Pos + 1};
    case '&':
        return {foAndLt, Pos + 1};
    case '<':
        if (next('='))
            return {foLessOrEqualLt, Pos + 2};
        return next('>') ? TScan{foNotEqualLt, Pos + 2} : TScan{foLessLt, Pos + 1};
    case '=':
        return {foEqualLt, Pos + 1};
    case '>':
        return next('=') ? TScan{foGreaterOrEqualLt, Pos + 2} : TScan{foGreaterLt, Pos + 1};
    case '|':
        return {foOrLt, Pos + 1};
    case '~':
        return {foLikeLt, Pos + 1};
    default:
        break;
    }
    std::size_t end = Pos;
    while (end < FText.size() && IsWordChar(FText[end]))
        ++end;
    const int code = WordCode(FText.substr(Pos, end - Pos));
    return {code, code == foNoneLt ? Pos : end};
}

TFilterLexemeLt TFilterLexerLt::Next(bool ListValues)
{
    TFilterLexemeLt lexeme;
    SkipBlanks();
    if (FPos >= FText.size())
        return lexeme;
    if (FText[FPos] == '(') {
        ++FPos;
        lexeme.Bracket = true;
        return lexeme;
    }
    if (FText[FPos] != '\'') {
        const TScan scan = ScanOperator(FPos);
        if (scan.Code != foNoneLt) {
            FPos = scan.End;
            SkipBlanks();
            int code = scan.Code;
            if (code == kNotWord) {
                const TScan negated = ScanOperator(FPos);
                if (negated.Code == foLikeLt)
                    code = foNotLikeLt;
                else if (negated.Code == kInWord)
                    code = foNotInLt;
                else if (negated.Code == kNullWord)
                    code = foIsNotNullLt;
                else
                    Fail("Error in expression: ");
                FPos = negated.End;
                SkipBlanks();
            } else if (code == kInWord) {
                code = foInLt;
            } else if (code == kNullWord) {
                code = foIsNullLt;
            }
            if ((code == foInLt || code == foNotInLt) && !Take('('))
                Fail("'(' expected: ");
            lexeme.Code = static_cast<uint8_t>(code);
            return lexeme;
        }
    }
    lexeme.Value = ReadValues(ListValues || !FCommaIsDecimal);
    if (!lexeme.Value.IsNull())
        lexeme.Code = foValueLt;
    return lexeme;
}

Variant TFilterLexerLt::ReadValues(bool ListMode)
{
    std::vector<std::string> values;
    bool bareEmpty = false;
    do {
        SkipBlanks();
        const bool quoted = FPos < FText.size() && FText[FPos] == '\'';
        values.push_back(quoted ? ReadQuoted() : ReadBare(ListMode));
        bareEmpty = !quoted && values.back().empty();
    } while (ListMode && Take(','));
    if (values.size() == 1)
        return bareEmpty ? Variant::Null() : Variant(values.front());
    Variant list = Variant::CreateArray(0, static_cast<int>(values.size()) - 1);
    for (std::size_t i = 0; i < values.size(); ++i)
        list[static_cast<int>(i)] = Variant(values[i]);
    return list;
}

// A quoted value: two quotes in a row inside it stand for one quote, so
// every text can be written quoted.
std::string TFilterLexerLt::ReadQuoted()
{
    std::string value;
    std::size_t from = FPos + 1;
    for (;;) {
        const std::size_t close = FText.find('\'', from);
        if (close == std::string::npos)
            Fail("Quote is absent: ");
        value.append(FText, from, close - from);
        if (close + 1 < FText.size() && FText[close + 1] == '\'') {
            value += '\'';
            from = close + 2;
            continue;
        }
        FPos = close + 1;
        return value;
    }
}

std::string TFilterLexerLt::ReadBare(bool ListMode)
{
    const std::size_t start = FPos;
    std::size_t end = FPos;
    while (end < FText.size()) {
        const char c = FText[end];
        if (c == '(' || c == ')' || (ListMode && c == ','))
            break;
        if (c == ' ') {
            std::size_t after = end;
            while (after < FText.size() && FText[after] == ' ')
                ++after;
            if (after >= FText.size() || ScanOperator(after).Code != foNoneLt)
                break;
        }
        ++end;
    }
    FPos = end;
    return TrimRight(FText.substr(start, end - start));
}
