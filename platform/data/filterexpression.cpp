#include "platform/data/filterexpression.h"

#include <cctype>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/floatformat.h"
#include "platform/rtl/strutils.h"

class TFilterExpressionNode {
public:
    virtual ~TFilterExpressionNode() = default;
    virtual bool Test(const TDataSet& dataSet) const = 0;
};

namespace {

enum class TCompare { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

struct TOperand {
    bool IsField = false;
    std::string FieldName;
    Variant Constant;

    Variant Evaluate(const TDataSet& dataSet) const
    {
        return IsField ? dataSet.FieldByName(FieldName)->Value() : Constant;
    }
};

class TComparison : public TFilterExpressionNode {
public:
    TComparison(TOperand left, TCompare op, TOperand right) : FLeft(std::move(left)), FOp(op), FRight(std::move(right)) {}

    bool Test(const TDataSet& dataSet) const override
    {
        const Variant a = FLeft.Evaluate(dataSet);
        const Variant b = FRight.Evaluate(dataSet);
        if (a.IsNull() || b.IsNull())
            return false;
        if (FOp == TCompare::Equal || FOp == TCompare::NotEqual) {
            bool equal;
            if (b.VarType() == TVarType::varString && !b.AsString().empty() && b.AsString().back() == '*') {
                const std::string prefix = b.AsString().substr(0, b.AsString().size() - 1);
                equal = VarToStr(a).rfind(prefix, 0) == 0;
            } else {
                equal = VarCompareValue(a, b) == TVariantRelationship::vrEqual;
            }
            return (FOp == TCompare::Equal) == equal;
        }
        const TVariantRelationship r = VarCompareValue(a, b);
        switch (FOp) {
        case TCompare::Less: return r == TVariantRelationship::vrLessThan;
        case TCompare::Greater: return r == TVariantRelationship::vrGreaterThan;
        case TCompare::LessEqual: return r == TVariantRelationship::vrLessThan || r == TVariantRelationship::vrEqual;
        case TCompare::GreaterEqual:
            return r == TVariantRelationship::vrGreaterThan || r == TVariantRelationship::vrEqual;
        default: return false;
        }
    }

private:
    TOperand FLeft;
    TCompare FOp;
    TOperand FRight;
};

class TNullTest : public TFilterExpressionNode {
public:
    TNullTest(std::string field, bool wantNull) : FField(std::move(field)), FWantNull(wantNull) {}
    bool Test(const TDataSet& dataSet) const override { return dataSet.FieldByName(FField)->IsNull() == FWantNull; }

private:
    std::string FField;
    bool FWantNull;
};

// FIELD like 'pattern': '%' stands for any run of characters, '_' for one;
// letter case does not count.
class TLikeTest : public TFilterExpressionNode {
public:
    TLikeTest(std::string field, const std::string& pattern)
        : FField(std::move(field)), FPattern(Utf8ToUtf32(AnsiUpperCase(pattern)))
    {
    }
    bool Test(const TDataSet& dataSet) const override
    {
        const TField* field = dataSet.FieldByName(FField);
        return !field->IsNull() && Matches(Utf8ToUtf32(AnsiUpperCase(field->AsString())), 0, 0);
    }

private:
    bool Matches(const std::u32string& text, std::size_t t, std::size_t p) const
    {
        for (; p < FPattern.size(); ++p, ++t) {
            if (FPattern[p] == U'%') {
                for (std::size_t from = t; from <= text.size(); ++from)
                    if (Matches(text, from, p + 1))
                        return true;
                return false;
            }
            if (t >= text.size() || (FPattern[p] != U'_' && FPattern[p] != text[t]))
                return false;
        }
        return t == text.size();
    }

    std::string FField;
    std::u32string FPattern;
};

class TLogical : public TFilterExpressionNode {
public:
    TLogical(std::unique_ptr<TFilterExpressionNode> left, bool isAnd, std::unique_ptr<TFilterExpressionNode> right)
        : FLeft(std::move(left)), FAnd(isAnd), FRight(std::move(right))
    {
    }
    bool Test(const TDataSet& dataSet) const override
    {
        return FAnd ? FLeft->Test(dataSet) && FRight->Test(dataSet) : FLeft->Test(dataSet) || FRight->Test(dataSet);
    }

private:
    std::unique_ptr<TFilterExpressionNode> FLeft;
    bool FAnd;
    std::unique_ptr<TFilterExpressionNode> FRight;
};

class TNot : public TFilterExpressionNode {
public:
    explicit TNot(std::unique_ptr<TFilterExpressionNode> inner) : FInner(std::move(inner)) {}
    bool Test(const TDataSet& dataSet) const override { return !FInner->Test(dataSet); }

private:
    std::unique_ptr<TFilterExpressionNode> FInner;
};

enum class TTokenKind { End, Name, Number, String, Symbol };

struct TToken {
    TTokenKind Kind = TTokenKind::End;
    std::string Text;
};

class TFilterParser {
public:
    explicit TFilterParser(const std::string& text) : FText(text)
    {
        Advance();
    }

    std::unique_ptr<TFilterExpressionNode> ParseAll()
    {
        auto node = ParseOr();
        if (FToken.Kind != TTokenKind::End)
            Fail("unexpected '" + FToken.Text + "'");
        return node;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw EDatabaseError("Filter expression \"" + FText + "\": " + what);
    }

    bool IsWord(const char* word) const { return FToken.Kind == TTokenKind::Name && SameText(FToken.Text, word); }
    bool IsSymbol(const char* symbol) const { return FToken.Kind == TTokenKind::Symbol && FToken.Text == symbol; }

    std::unique_ptr<TFilterExpressionNode> ParseOr()
    {
        auto left = ParseAnd();
        while (IsWord("or")) {
            Advance();
            left = std::make_unique<TLogical>(std::move(left), false, ParseAnd());
        }
        return left;
    }

    std::unique_ptr<TFilterExpressionNode> ParseAnd()
    {
        auto left = ParseUnary();
        while (IsWord("and")) {
            Advance();
            left = std::make_unique<TLogical>(std::move(left), true, ParseUnary());
        }
        return left;
    }

    std::unique_ptr<TFilterExpressionNode> ParseUnary()
    {
        if (IsWord("not")) {
            Advance();
            return std::make_unique<TNot>(ParseUnary());
        }
        if (IsSymbol("(")) {
            Advance();
            auto inner = ParseOr();
            if (!IsSymbol(")"))
                Fail("missing ')'");
            Advance();
            return inner;
        }
        return ParseComparison();
    }

    TOperand ParseOperand()
    {
        TOperand operand;
        switch (FToken.Kind) {
        case TTokenKind::Name:
            operand.IsField = true;
            operand.FieldName = FToken.Text;
            break;
        case TTokenKind::Number:
            if (FToken.Text.find_first_of(".eE") == std::string::npos)
                operand.Constant = Variant(StrToInt64(FToken.Text));
            else
                operand.Constant = Variant(StrToFloat(FToken.Text, TFormatSettings{}));
            break;
        case TTokenKind::String:
            operand.Constant = Variant(FToken.Text);
            break;
        default:
            Fail(FToken.Kind == TTokenKind::End ? "the expression ends too soon" : "unexpected '" + FToken.Text + "'");
        }
        Advance();
        return operand;
    }

    std::unique_ptr<TFilterExpressionNode> ParseComparison()
    {
        TOperand left = ParseOperand();
        if (IsWord("is")) {
            if (!left.IsField)
                Fail("IS NULL needs a field");
            Advance();
            bool wantNull = true;
            if (IsWord("not")) {
                wantNull = false;
                Advance();
            }
            if (!IsWord("null"))
                Fail("expected NULL");
            Advance();
            return std::make_unique<TNullTest>(left.FieldName, wantNull);
        }
        if (IsWord("like")) {
            if (!left.IsField)
                Fail("LIKE needs a field");
            Advance();
            if (FToken.Kind != TTokenKind::String)
                Fail("LIKE needs a quoted pattern");
            const std::string pattern = FToken.Text;
            Advance();
            return std::make_unique<TLikeTest>(left.FieldName, pattern);
        }
        static const std::pair<const char*, TCompare> kOps[] = {
            {"=", TCompare::Equal},  {"<>", TCompare::NotEqual}, {"<=", TCompare::LessEqual},
            {">=", TCompare::GreaterEqual}, {"<", TCompare::Less}, {">", TCompare::Greater}};
        for (const auto& [symbol, op] : kOps)
            if (IsSymbol(symbol)) {
                Advance();
                return std::make_unique<TComparison>(std::move(left), op, ParseOperand());
            }
        Fail("expected a comparison");
    }

    void Advance()
    {
        while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos])))
            ++FPos;
        FToken = TToken();
        if (FPos >= FText.size())
            return;
        const char c = FText[FPos];
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80) {
            const std::size_t start = FPos;
            while (FPos < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '_' ||
                                           static_cast<unsigned char>(FText[FPos]) >= 0x80))
                ++FPos;
            FToken = {TTokenKind::Name, FText.substr(start, FPos - start)};
        } else if (c == '[') {
            const std::size_t close = FText.find(']', FPos);
            if (close == std::string::npos)
                Fail("missing ']'");
            FToken = {TTokenKind::Name, FText.substr(FPos + 1, close - FPos - 1)};
            FPos = close + 1;
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   ((c == '-' || c == '.') && FPos + 1 < FText.size() &&
                    std::isdigit(static_cast<unsigned char>(FText[FPos + 1])))) {
            const std::size_t start = FPos++;
            while (FPos < FText.size() && (std::isdigit(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '.' ||
                                           FText[FPos] == 'e' || FText[FPos] == 'E'))
                ++FPos;
            FToken = {TTokenKind::Number, FText.substr(start, FPos - start)};
        } else if (c == '\'') {
            std::size_t pos = FPos;
            FToken = {TTokenKind::String, AnsiExtractQuotedStr(FText, pos, '\'')};
            if (pos == FPos || FText[pos - 1] != '\'')
                Fail("unterminated string");
            FPos = pos;
        } else {
            static const char* const kSymbols[] = {"<>", "<=", ">=", "=", "<", ">", "(", ")"};
            for (const char* symbol : kSymbols)
                if (FText.compare(FPos, std::char_traits<char>::length(symbol), symbol) == 0) {
                    FToken = {TTokenKind::Symbol, symbol};
                    FPos += FToken.Text.size();
                    return;
                }
            Fail(std::string("unexpected character '") + c + "'");
        }
    }

    const std::string& FText;
    std::size_t FPos = 0;
    TToken FToken;
};

} // namespace

TDatasetFilter::TDatasetFilter(const std::string& Expression) : FRoot(TFilterParser(Expression).ParseAll()) {}

TDatasetFilter::~TDatasetFilter() = default;

bool TDatasetFilter::Accepts(const TDataSet& DataSet) const
{
    return FRoot->Test(DataSet);
}
