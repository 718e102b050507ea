#pragma once
// String routines of the runtime. Strings are std::string holding UTF-8.
//
// The Ansi* routines are Unicode-aware: they work on code points and use
// Unicode case mapping, so Cyrillic and other scripts compare and convert
// correctly. Their comparisons are ordinal on case-folded code points, which
// keeps sorting independent of the user's locale. The routines without the
// Ansi prefix (UpperCase, CompareText, ...) touch only the ASCII letters.
//
// Positions and lengths are in bytes unless a routine says it counts code
// points (the Utf8* helpers). Malformed UTF-8 never fails: each malformed
// sequence reads as U+FFFD.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Unicode case conversion.
std::string AnsiUpperCase(const std::string& s);
std::string AnsiLowerCase(const std::string& s);

// Case-insensitive comparison; returns <0, 0 or >0.
int AnsiCompareText(const std::string& s1, const std::string& s2);
// Case-sensitive comparison. Strings that differ only in case order with the
// lower-case letter first ("a" < "A" < "b"), as a dictionary would.
int AnsiCompareStr(const std::string& s1, const std::string& s2);
bool AnsiSameText(const std::string& s1, const std::string& s2);
bool AnsiSameStr(const std::string& s1, const std::string& s2);
// True when text begins with subText, ignoring case. An empty subText matches.
bool AnsiStartsText(const std::string& subText, const std::string& text);

// Encloses s in quote characters, doubling the quotes inside it.
std::string AnsiQuotedStr(const std::string& s, char quote);
// Reads a quoted string starting at text[pos]: returns its contents with
// doubled quotes collapsed and moves pos past the closing quote (to the end of
// text when the quote is never closed). Returns "" and leaves pos alone when
// text[pos] is not the quote character.
std::string AnsiExtractQuotedStr(std::string_view text, std::size_t& pos, char quote);
// Removes the quotes AnsiQuotedStr added. A string that is not enclosed in
// quotes comes back unchanged.
std::string AnsiDequotedStr(const std::string& s, char quote);
// AnsiQuotedStr with the apostrophe.
std::string QuotedStr(const std::string& s);

// Remove the control characters and blanks (bytes <= ' ') at the ends.
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);

// ASCII-only case handling: bytes outside 'a'..'z' / 'A'..'Z' are kept.
std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
// Compares with the ASCII letters folded to upper case; returns the difference
// of the first differing bytes, or of the lengths.
int CompareText(const std::string& s1, const std::string& s2);
bool SameText(const std::string& s1, const std::string& s2);

std::string IntToStr(int64_t value);
// Upper-case hexadecimal with at least `digits` digits. Negative values show
// their 64-bit two's complement.
std::string IntToHex(int64_t value, int digits);

enum TReplaceFlag : unsigned { rfReplaceAll = 1u, rfIgnoreCase = 2u };

// A set of TReplaceFlag values: `rfReplaceAll | rfIgnoreCase`, or `{}` for none.
class TReplaceFlags {
public:
    constexpr TReplaceFlags() = default;
    constexpr TReplaceFlags(TReplaceFlag flag) : FBits(flag) {}
    constexpr bool Contains(TReplaceFlag flag) const { return (FBits & flag) != 0; }
    constexpr TReplaceFlags operator|(TReplaceFlags other) const
    {
        TReplaceFlags result;
        result.FBits = FBits | other.FBits;
        return result;
    }

private:
    unsigned FBits = 0;
};

constexpr TReplaceFlags operator|(TReplaceFlag a, TReplaceFlag b)
{
    return TReplaceFlags(a) | TReplaceFlags(b);
}

// Replaces the first occurrence of oldPattern (every occurrence with
// rfReplaceAll). rfIgnoreCase matches with Unicode case folding. An empty
// oldPattern leaves s unchanged.
std::string StringReplace(const std::string& s, const std::string& oldPattern,
                          const std::string& newPattern, TReplaceFlags flags);

// `count` copies of ch; "" when count <= 0.
std::string StringOfChar(char ch, int count);

// 1-based byte position of the first occurrence of sub in s; 0 when sub is
// absent or empty.
int Pos(const std::string& sub, const std::string& s);

// UTF-8 <-> UTF-32. Malformed input (bad sequences, overlong forms,
// surrogates, values above U+10FFFF) becomes U+FFFD.
std::u32string Utf8ToUtf32(std::string_view s);
std::string Utf32ToUtf8(std::u32string_view s);
// Number of code points, counting each malformed sequence as one.
int Utf8Length(std::string_view s);
// `count` code points starting at the 1-based code point `index`, clamped to
// the string like Copy. Malformed sequences inside the range become U+FFFD.
std::string Utf8Copy(std::string_view s, int index, int count);
bool IsValidUtf8(std::string_view s);
