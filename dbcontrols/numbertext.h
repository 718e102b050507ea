#pragma once
// The rules by which the number edit reads, checks, rounds and lays out the
// text of a number. Each takes the locale settings it works with.
#include <string>

#include "platform/rtl/formatsettings.h"
#include "platform/rtl/variant.h"

// Blanks trimmed, thousand separators removed (when they differ from the
// decimal separator), and '.' and ',' turned into the decimal separator
// where they are neither the decimal nor the thousand separator.
std::string NormalizeNumberText(const std::string& Text, const TFormatSettings& Settings);

// S with the thousand separator after every third digit of its integer part
// (counted from the right) when Thousands; the sign stays in front, the
// fraction and the exponent follow unchanged.
std::string InsertThousands(const std::string& S, bool Thousands, const TFormatSettings& Settings);

// Whether Text (normalized) is a number: only digits, signs, 'E', 'e' and the
// decimal separator, and convertible; a lone "+" or "-" reads as 0.
bool IsNumberText(const std::string& Text, double& X, const TFormatSettings& Settings);

// Whether Text (normalized) may stand in a number edit: at most
// DecimalPlaces digits after the decimal separator, empty or a number, and
// not negative when the bounds are 0 or more and above 0.
bool NumberTextAcceptable(const std::string& Text, unsigned DecimalPlaces, double MinValue, double MaxValue,
                          const TFormatSettings& Settings);

// X within the bounds (see the number edit's MinValue and MaxValue), then
// rounded to DecimalPlaces with ties to the even neighbour; no rounding
// above 37 places, nor when the scaled value leaves the 64-bit range.
long double LimitNumber(long double X, long double MinValue, long double MaxValue, unsigned DecimalPlaces);

// The format a focused number edit shows its value in: the digit, point and
// comma characters of the display format's first section (quoted text and
// any exponent part dropped), or for an unformatted currency the grouped
// format with the currency decimals; empty for the general format.
std::string NumberEditFormat(const std::string& DisplayFormat, bool Currency, const TFormatSettings& Settings);

// The text of a value while the editor is not focused: '' for Null, then the
// display format, the currency format or the general format.
std::string NumberDisplayText(const Variant& Value, const std::string& DisplayFormat, bool Currency,
                              const TFormatSettings& Settings);
