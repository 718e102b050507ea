#include "platform/rtl/description.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strutils.h"

namespace {

enum class TTok { End, Ident, Integer, Float, String, Symbol };

struct TToken {
    TTok Kind = TTok::End;
    std::string Text;      // identifier, decoded string, or the symbol
    int64_t Integer = 0;
    double Float = 0;
    int Line = 1;
};

bool IsIdentStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

class TParser {
public:
    TParser(std::string_view text, const std::string& resource) : FText(text), FResource(resource) { Next(); }

    TDescObject ParseRoot()
    {
        TDescObject root = ParseObject();
        if (FTok.Kind != TTok::End)
            Error(FTok.Line, "text after the final 'end'");
        return root;
    }

private:
    [[noreturn]] void Error(int line, const std::string& what) const
    {
        throw EReadError(FResource + "(" + std::to_string(line) + "): " + what);
    }

    static std::string Describe(const TToken& t)
    {
        switch (t.Kind) {
        case TTok::End: return "end of text";
        case TTok::String: return "a string";
        case TTok::Integer:
        case TTok::Float: return "a number";
        default: return "'" + t.Text + "'";
        }
    }

    bool IsSymbol(char c) const { return FTok.Kind == TTok::Symbol && FTok.Text[0] == c; }
    bool IsKeyword(std::string_view word) const
    {
        if (FTok.Kind != TTok::Ident || FTok.Text.size() != word.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if ((FTok.Text[i] | 0x20) != word[i])
                return false;
        return true;
    }

    void ExpectSymbol(char c)
    {
        if (!IsSymbol(c))
            Error(FTok.Line, std::string("expected '") + c + "' but found " + Describe(FTok));
        Next();
    }

    std::string ExpectIdent(const char* what)
    {
        if (FTok.Kind != TTok::Ident)
            Error(FTok.Line, std::string("expected ") + what + " but found " + Describe(FTok));
        std::string name = FTok.Text;
        Next();
        return name;
    }

    TDescObject ParseObject()
    {
        TDescObject obj;
        obj.Line = FTok.Line;
        if (!IsKeyword("object"))
            Error(FTok.Line, "expected 'object' but found " + Describe(FTok));
        Next();
        obj.Name = ExpectIdent("a component name");
        ExpectSymbol(':');
        obj.ClassName = ExpectIdent("a class name");
        while (!IsKeyword("end")) {
            if (FTok.Kind == TTok::End)
                Error(FTok.Line, "missing 'end' of object " + obj.Name);
            if (IsKeyword("object"))
                obj.Children.push_back(ParseObject());
            else
                obj.Properties.push_back(ParseProperty());
        }
        Next();
        return obj;
    }

    TDescProperty ParseProperty()
    {
        TDescProperty prop;
        prop.Line = FTok.Line;
        prop.Name = ExpectIdent("a property name");
        ExpectSymbol('=');
        prop.Value = ParseValue();
        return prop;
    }

    TDescValue ParseValue()
    {
        TDescValue v;
        v.Line = FTok.Line;
        switch (FTok.Kind) {
        case TTok::Integer:
            v.Kind = TDescValueKind::Integer;
            v.Integer = FTok.Integer;
            Next();
            return v;
        case TTok::Float:
            v.Kind = TDescValueKind::Float;
            v.Float = FTok.Float;
            Next();
            return v;
        case TTok::String:
            v.Kind = TDescValueKind::String;
            v.Text = FTok.Text;
            Next();
            while (IsSymbol('+')) {
                Next();
                if (FTok.Kind != TTok::String)
                    Error(FTok.Line, "expected a string after '+' but found " + Describe(FTok));
                v.Text += FTok.Text;
                Next();
            }
            return v;
        case TTok::Ident:
            v.Kind = TDescValueKind::Ident;
            v.Text = FTok.Text;
            Next();
            return v;
        case TTok::Symbol:
            break;
        case TTok::End:
            Error(FTok.Line, "expected a value but found end of text");
        }
        switch (FTok.Text[0]) {
        case '[': return ParseSet(v);
        case '(': return ParseList(v);
        case '<': return ParseCollection(v);
        case '{': return ParseBinary(v);
        default: Error(FTok.Line, "expected a value but found " + Describe(FTok));
        }
    }

    TDescValue ParseSet(TDescValue& v)
    {
        v.Kind = TDescValueKind::Set;
        Next();
        if (IsSymbol(']')) {
            Next();
            return v;
        }
        for (;;) {
            if (FTok.Kind != TTok::Ident)
                Error(FTok.Line, "bad set: expected a name but found " + Describe(FTok));
            v.Set.push_back(FTok.Text);
            Next();
            if (IsSymbol(']')) {
                Next();
                return v;
            }
            if (!IsSymbol(','))
                Error(FTok.Line, "bad set: expected ',' or ']' but found " + Describe(FTok));
            Next();
        }
    }

    TDescValue ParseList(TDescValue& v)
    {
        v.Kind = TDescValueKind::List;
        Next();
        while (!IsSymbol(')')) {
            if (FTok.Kind == TTok::End)
                Error(v.Line, "unterminated list");
            v.List.push_back(ParseValue());
        }
        Next();
        return v;
    }

    TDescValue ParseCollection(TDescValue& v)
    {
        v.Kind = TDescValueKind::Collection;
        Next();
        while (!IsSymbol('>')) {
            if (!IsKeyword("item"))
                Error(FTok.Line, "expected 'item' or '>' but found " + Describe(FTok));
            TDescItem item;
            item.Line = FTok.Line;
            Next();
            while (!IsKeyword("end")) {
                if (FTok.Kind == TTok::End)
                    Error(item.Line, "missing 'end' of collection item");
                item.Properties.push_back(ParseProperty());
            }
            Next();
            v.Items.push_back(std::move(item));
        }
        Next();
        return v;
    }

    TDescValue ParseBinary(TDescValue& v)
    {
        v.Kind = TDescValueKind::Binary;
        int nibbles = 0;
        unsigned char pending = 0;
        for (;;) {
            if (FPos >= FText.size())
                Error(v.Line, "unterminated binary block");
            const char c = FText[FPos++];
            if (c == '}')
                break;
            if (c == '\n') {
                ++FLine;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r')
                continue;
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
                digit = (c | 0x20) - 'a' + 10;
            else
                Error(FLine, std::string("bad character '") + c + "' in a binary block");
            pending = static_cast<unsigned char>((pending << 4) | digit);
            if (++nibbles % 2 == 0)
                v.Text += static_cast<char>(pending);
        }
        if (nibbles % 2 != 0)
            Error(v.Line, "odd number of hex digits in a binary block");
        Next();
        return v;
    }

    // The lexer.
    void SkipBlanks()
    {
        while (FPos < FText.size()) {
            const char c = FText[FPos];
            if (c == '\n')
                ++FLine;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
            ++FPos;
        }
    }

    void Next()
    {
        SkipBlanks();
        FTok = TToken();
        FTok.Line = FLine;
        if (FPos >= FText.size())
            return;
        const char c = FText[FPos];
        if (IsIdentStart(c)) {
            const std::size_t start = FPos;
            while (FPos < FText.size() &&
                   (IsIdentStart(FText[FPos]) || IsDigit(FText[FPos]) ||
                    (FText[FPos] == '.' && FPos + 1 < FText.size() && IsIdentStart(FText[FPos + 1]))))
                ++FPos;
            FTok.Kind = TTok::Ident;
            FTok.Text = std::string(FText.substr(start, FPos - start));
        } else if (c == '\'' || c == '#') {
            LexString();
        } else if (IsDigit(c) || ((c == '-' || c == '+') && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1]))) {
            LexNumber();
        } else if (c == '$') {
            LexHex();
        } else if (std::string_view("=:[](){}<>,+").find(c) != std::string_view::npos) {
            FTok.Kind = TTok::Symbol;
            FTok.Text = std::string(1, c);
            ++FPos;
        } else {
            Error(FLine, std::string("unexpected character '") + c + "'");
        }
    }

    void LexString()
    {
        FTok.Kind = TTok::String;
        while (FPos < FText.size()) {
            if (FText[FPos] == '\'') {
                ++FPos;
                for (;;) {
                    if (FPos >= FText.size() || FText[FPos] == '\n')
                        Error(FTok.Line, "unterminated string");
                    if (FText[FPos] == '\'') {
                        if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                            FTok.Text += '\'';
                            FPos += 2;
                            continue;
                        }
                        ++FPos;
                        break;
                    }
                    FTok.Text += FText[FPos++];
                }
            } else if (FText[FPos] == '#') {
                ++FPos;
                uint32_t code = 0;
                const std::size_t start = FPos;
                while (FPos < FText.size() && IsDigit(FText[FPos]) && code <= 0x10FFFF)
                    code = code * 10 + static_cast<uint32_t>(FText[FPos++] - '0');
                if (FPos == start || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    Error(FLine, "bad character code in a string");
                FTok.Text += Utf32ToUtf8(std::u32string(1, static_cast<char32_t>(code)));
            } else {
                return;
            }
        }
    }

    void LexNumber()
    {
        const std::size_t start = FPos;
        if (FText[FPos] == '-' || FText[FPos] == '+')
            ++FPos;
        bool isFloat = false;
        while (FPos < FText.size()) {
            const char c = FText[FPos];
            if (IsDigit(c)) {
                ++FPos;
            } else if (c == '.' && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1])) {
                isFloat = true;
                ++FPos;
            } else if ((c == 'e' || c == 'E') && FPos + 1 < FText.size() &&
                       (IsDigit(FText[FPos + 1]) || FText[FPos + 1] == '-' || FText[FPos + 1] == '+')) {
                isFloat = true;
                FPos += 2;
            } else {
                break;
            }
        }
        std::string_view digits = FText.substr(start, FPos - start);
        if (!digits.empty() && digits[0] == '+')
            digits.remove_prefix(1);
        const char* first = digits.data();
        const char* last = digits.data() + digits.size();
        if (isFloat) {
            FTok.Kind = TTok::Float;
            const auto [ptr, ec] = std::from_chars(first, last, FTok.Float);
            if (ec != std::errc() || ptr != last)
                Error(FLine, "bad number '" + std::string(digits) + "'");
        } else {
            FTok.Kind = TTok::Integer;
            const auto [ptr, ec] = std::from_chars(first, last, FTok.Integer);
            if (ec != std::errc() || ptr != last)
                Error(FLine, "bad integer '" + std::string(digits) + "'");
        }
    }

    void LexHex()
    {
        ++FPos;
        const std::size_t start = FPos;
        while (FPos < FText.size() && std::isxdigit(static_cast<unsigned char>(FText[FPos])))
            ++FPos;
        uint64_t value = 0;
        const auto [ptr, ec] = std::from_chars(FText.data() + start, FText.data() + FPos, value, 16);
        if (FPos == start || ec != std::errc() || ptr != FText.data() + FPos)
            Error(FLine, "bad hexadecimal number");
        FTok.Kind = TTok::Integer;
        FTok.Integer = static_cast<int64_t>(value);
    }

    std::string_view FText;
    const std::string& FResource;
    std::size_t FPos = 0;
    int FLine = 1;
    TToken FTok;
};

// Printing.

std::string QuoteString(const std::string& s)
{
    if (s.empty())
        return "''";
    std::string out;
    bool quoted = false;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 32) {
            if (quoted) {
                out += '\'';
                quoted = false;
            }
            out += '#' + std::to_string(c);
            continue;
        }
        if (!quoted) {
            out += '\'';
            quoted = true;
        }
        if (ch == '\'')
            out += "''";
        else
            out += ch;
    }
    if (quoted)
        out += '\'';
    return out;
}

std::string FloatText(double value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    std::string text(buf, end);
    if (text.find_first_of(".eE") == std::string::npos && std::isfinite(value))
        text += ".0";
    return text;
}

class TPrinter {
public:
    std::string Out;

    void Object(const TDescObject& obj, int indent)
    {
        Line(indent, "object " + obj.Name + ": " + obj.ClassName);
        for (const TDescProperty& p : obj.Properties)
            Property(p, indent + 2);
        for (const TDescObject& child : obj.Children)
            Object(child, indent + 2);
        Line(indent, "end");
    }

private:
    void Line(int indent, const std::string& text)
    {
        Out.append(static_cast<std::size_t>(indent), ' ');
        Out += text;
        Out += '\n';
    }

    void Property(const TDescProperty& p, int indent)
    {
        Out.append(static_cast<std::size_t>(indent), ' ');
        Out += p.Name + " = ";
        Value(p.Value, indent);
        Out += '\n';
    }

    // Writes the value from the current position; continuation lines are
    // indented two blanks deeper than the property.
    void Value(const TDescValue& v, int indent)
    {
        switch (v.Kind) {
        case TDescValueKind::Integer: Out += std::to_string(v.Integer); break;
        case TDescValueKind::Float: Out += FloatText(v.Float); break;
        case TDescValueKind::String: Out += QuoteString(v.Text); break;
        case TDescValueKind::Ident: Out += v.Text; break;
        case TDescValueKind::Set: {
            Out += '[';
            for (std::size_t i = 0; i < v.Set.size(); ++i)
                Out += (i ? ", " : "") + v.Set[i];
            Out += ']';
            break;
        }
        case TDescValueKind::List: {
            Out += '(';
            for (const TDescValue& e : v.List) {
                Out += '\n';
                Out.append(static_cast<std::size_t>(indent + 2), ' ');
                Value(e, indent + 2);
            }
            Out += ')';
            break;
        }
        case TDescValueKind::Collection: {
            Out += '<';
            for (std::size_t i = 0; i < v.Items.size(); ++i) {
                Out += '\n';
                Out.append(static_cast<std::size_t>(indent + 2), ' ');
                Out += "item\n";
                for (const TDescProperty& p : v.Items[i].Properties)
                    Property(p, indent + 4);
                Out.append(static_cast<std::size_t>(indent + 2), ' ');
                Out += "end";
            }
            Out += '>';
            break;
        }
        case TDescValueKind::Binary: {
            static const char hex[] = "0123456789ABCDEF";
            Out += '{';
            for (std::size_t i = 0; i < v.Text.size(); ++i) {
                if (i % 32 == 0) {
                    Out += '\n';
                    Out.append(static_cast<std::size_t>(indent + 2), ' ');
                }
                const auto b = static_cast<unsigned char>(v.Text[i]);
                Out += hex[b >> 4];
                Out += hex[b & 15];
            }
            Out += '}';
            break;
        }
        }
    }
};

} // namespace

TDescObject ParseDescription(std::string_view text, const std::string& resourceName)
{
    return TParser(text, resourceName).ParseRoot();
}

std::string PrintDescription(const TDescObject& root)
{
    TPrinter printer;
    printer.Object(root, 0);
    return printer.Out;
}
