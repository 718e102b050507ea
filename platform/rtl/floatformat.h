#pragma once
// Number to text and text to number.
//
// A double is formatted from its shortest decimal form (the digits that read
// back as the same double); rounding to the shown digits is half away from
// zero. Currency values are formatted from their exact decimal digits. A
// result that rounds to zero is shown without a minus sign.
#include <cstdint>
#include <string>

#include "platform/rtl/currency.h"
#include "platform/rtl/formatsettings.h"

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// General format with 15 significant digits: "0.1", "1E20", "1.5E-5";
// NaN is "NAN", infinities "INF" and "-INF".
std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& settings);

// ffGeneral: precision significant digits, fixed unless the integer digits
//   exceed precision or the value is below 0.0001; digits is the minimum
//   count of exponent digits (0..4).
// ffExponent: "-d.dddE+dddd" with precision digits, exponent of at least digits digits.
// ffFixed: digits decimals; general scientific when the integer digits exceed precision.
// ffNumber: as ffFixed with thousand separators.
// ffCurrency: digits decimals, thousand separators, placed by CurrencyFormat
//   and NegCurrFormat around CurrencyString.
// precision is clamped to 1..18, decimals to 0..18 and exponent digits to 0..4.
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const TFormatSettings& settings);

// The display-format language: 0 digit, # optional digit, . decimal point,
// , thousand separators, E+ E- e+ e- scientific (followed by 0s for the
// minimum exponent digits), '...' and "..." literal text, anything else
// literal; up to three sections positive;negative;zero. An empty or missing
// section falls back to the first; the negative section shows no minus sign.
// A value that rounds to zero under its section uses the zero section when
// there is one. A fixed-point result with more than 18 integer digits falls
// back to FloatToStr. An empty format is FloatToStrF(value, ffGeneral, 15, 0).
std::string FormatFloat(const std::string& format, double value);
std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings);

// Currency counterparts: exact on the decimal value, general format shows up
// to all four decimals and never uses an exponent.
std::string CurrToStr(Currency value);
std::string CurrToStr(Currency value, const TFormatSettings& settings);
std::string CurrToStrF(Currency value, TFloatFormat format, int digits);
std::string CurrToStrF(Currency value, TFloatFormat format, int digits,
                       const TFormatSettings& settings);
std::string FormatCurr(const std::string& format, Currency value);
std::string FormatCurr(const std::string& format, Currency value, const TFormatSettings& settings);

// Parsing. Blanks (spaces and tabs) may surround the text. A float is
// [sign] digits [decimal separator digits] [E|e [sign] digits]; the result
// must be finite. Failures raise EConvertError "'text' is not a valid
// floating point value".
bool TextToFloat(const std::string& text, double& value);
bool TextToFloat(const std::string& text, double& value, const TFormatSettings& settings);
bool TryStrToFloat(const std::string& text, double& value);
bool TryStrToFloat(const std::string& text, double& value, const TFormatSettings& settings);
double StrToFloat(const std::string& text);
double StrToFloat(const std::string& text, const TFormatSettings& settings);
double StrToFloatDef(const std::string& text, double defaultValue);
double StrToFloatDef(const std::string& text, double defaultValue, const TFormatSettings& settings);

// Currency text is read exactly and rounded to four decimals, ties to even.
bool TryStrToCurr(const std::string& text, Currency& value);
bool TryStrToCurr(const std::string& text, Currency& value, const TFormatSettings& settings);
Currency StrToCurr(const std::string& text);
Currency StrToCurr(const std::string& text, const TFormatSettings& settings);
Currency StrToCurrDef(const std::string& text, Currency defaultValue);
Currency StrToCurrDef(const std::string& text, Currency defaultValue, const TFormatSettings& settings);

// Integers: [sign] decimal digits, or hexadecimal after "$", "0x" or "0X".
// Decimal text must be in range; hexadecimal text may use the full width of
// the type and reads as two's complement ("$FFFFFFFF" is -1 for int).
// Failures raise EConvertError "'text' is not a valid integer value".
bool TryStrToInt(const std::string& text, int& value);
bool TryStrToInt64(const std::string& text, int64_t& value);
int StrToInt(const std::string& text);
int64_t StrToInt64(const std::string& text);
int StrToIntDef(const std::string& text, int defaultValue);
int64_t StrToInt64Def(const std::string& text, int64_t defaultValue);
