#pragma once
// The lexemes of a filter cell's text: comparison and logical operators
// (signs and words in any letter case), opening brackets and values (quoted,
// bare, or lists separated by commas).
#include <cstddef>
#include <string>

#include "dbgrid/filter/filterexpr.h"

struct TFilterLexemeLt {
    uint8_t Code = foNoneLt;   // an operator code, foValueLt, or foNoneLt
    bool Bracket = false;      // an opening bracket (Code stays foNoneLt)
    Variant Value = Variant::Null();
};

class TFilterLexerLt {
public:
    // Text is the trimmed filter text; Message is what errors end with.
    // Commas separate list values unless CommaIsDecimal.
    TFilterLexerLt(const std::string& Text, std::string Message, bool CommaIsDecimal);

    // The next lexeme; ListValues reads the values of an IN list.
    TFilterLexemeLt Next(bool ListValues = false);
    // Skips blanks and takes C when it comes next.
    bool Take(char C);
    // Only blanks are left.
    bool AtEnd();
    [[noreturn]] void Fail(const std::string& Prefix) const;

private:
    struct TScan {
        int Code;
        std::size_t End;
    };
    // The operator (or operator word) that starts at Pos, with its end.
    TScan ScanOperator(std::size_t Pos) const;
    void SkipBlanks();
    Variant ReadValues(bool ListMode);
    std::string ReadQuoted();
    std::string ReadBare(bool ListMode);

    const std::string& FText;
    std::string FMessage;
    bool FCommaIsDecimal;
    std::size_t FPos = 0;
};
