#pragma once
// The filter a column's filter cell holds: one comparison, or two joined by
// AND or OR, parsed from the text typed into the cell.
//   abc            like abc (string column) or = abc (other columns)
//   >=10 AND <=20  two comparisons
//   IN (1,2,3)     a list; NOT IN, NOT LIKE, = NULL and <> NULL as well
//   =1,2           a comparison with a list: true for any of the values
//                  (<> and NOT LIKE: for none of them)
#include <cstdint>
#include <string>

#include "platform/rtl/variant.h"

// Operator codes of a filter expression, and the lexeme classes that share
// their numbering.
enum TSTFilterOperatorLt : uint8_t {
    foNoneLt = 0,
    foEqualLt = 1,
    foNotEqualLt = 2,
    foGreaterLt = 3,
    foLessLt = 4,
    foGreaterOrEqualLt = 5,
    foLessOrEqualLt = 6,
    foLikeLt = 7,
    foNotLikeLt = 8,
    foInLt = 9,
    foNotInLt = 10,
    foIsNullLt = 11,
    foIsNotNullLt = 12,
    foAndLt = 13,
    foOrLt = 14,
    foValueLt = 15,
};

// How operands are converted: set from the column field's type before parsing.
enum TSTFilterExpressionTypeLt : uint8_t { fetOtherLt = 0, fetStringLt = 1, fetNumberLt = 2, fetDateTimeLt = 3 };

struct TSTFilterExpressionLt {
    uint8_t ExpressionType = fetOtherLt;
    uint8_t Operator1 = foNoneLt;
    Variant Operand1 = Variant::Null();   // a value, or a variant array for lists
    uint8_t Relation = foNoneLt;          // foAndLt, foOrLt or none
    uint8_t Operator2 = foNoneLt;
    Variant Operand2 = Variant::Null();
};

// Fills Expression (keeping its ExpressionType) from Text; an empty text
// leaves it empty. Raises Exception with a message that names the fault and
// ends with Text; nothing of the text is ever left unread.
void ParseFilterText(const std::string& Text, TSTFilterExpressionLt& Expression);
