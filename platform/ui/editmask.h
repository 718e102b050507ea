#pragma once
// The edit-mask language of masked edits: a mask, then optionally ";" and
// whether literals are kept in the text ('0' drops them), then ";" and the
// character shown for an empty position (default '_'). In the mask:
//   L letter, l optional letter, A letter or digit, a optional one,
//   C any character, c optional one, 0 digit, 9 optional digit,
//   # optional digit or sign; : and / the time and date separators;
//   > upper case follows, < lower case follows, <> no case change;
//   ! text shorter than the mask fills the positions from the right;
//   \ makes the next character a literal; anything else is a literal.
// The edit text holds every position: literals, typed characters and the
// blank character where nothing was typed.
#include <string>
#include <vector>

class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(const std::string& Mask);

    bool Empty() const { return FPositions.empty(); }
    bool SaveLiterals() const { return FSaveLiterals; }
    char32_t BlankChar() const { return FBlank; }
    int Length() const { return static_cast<int>(FPositions.size()); }
    bool IsLiteral(int Pos) const;
    // Whether Ch may stand at the editable position Pos (after its case change).
    bool Accepts(int Pos, char32_t Ch) const;
    // Ch in the case that position Pos asks for.
    char32_t Converted(int Pos, char32_t Ch) const;
    // The first editable position at or after Pos, or Length().
    int NextEditable(int Pos) const;
    // The last editable position before Pos, or -1.
    int PrevEditable(int Pos) const;

    // The edit text of an empty edit: literals and blanks.
    std::u32string EmptyText() const;
    // The edit text showing Value: with literals kept, Value is laid over the
    // positions one to one; without, its characters fill the editable
    // positions in order. Characters a position refuses leave it blank.
    std::u32string Format(const std::u32string& Value) const;
    // Text of an edit text: blanks become spaces; literals stay only when
    // they are kept.
    std::u32string Strip(const std::u32string& EditText) const;
    // The first required position left blank (or holding a refused
    // character), or -1 when the edit text is complete.
    int FirstIncomplete(const std::u32string& EditText) const;

private:
    enum class TKind { Literal, Letter, LetterOrDigit, Any, Digit, DigitOrSign };
    enum class TCase { None, Upper, Lower };
    struct TPosition {
        TKind Kind = TKind::Literal;
        bool Required = false;
        TCase Case = TCase::None;
        char32_t Literal = 0;
    };

    std::vector<TPosition> FPositions;
    bool FSaveLiterals = true;
    bool FLeadingBlanks = false;
    char32_t FBlank = U'_';
};
