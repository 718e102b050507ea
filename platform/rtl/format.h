#pragma once
// Type-safe Format: "%[index:][-][width][.prec]type" specifiers filled from the
// arguments.
//
//   d  signed integer; the precision is the minimum number of digits
//   u  unsigned integer (negative values show their 64-bit two's complement)
//   x  hexadecimal integer, upper-case digits (X is the same)
//   e  scientific: "-d.ddd...E+ddd", precision = significant digits (15)
//   f  fixed: precision = digits after the point (2), rounded as printf does
//   g  shortest of fixed and scientific, precision = significant digits (15)
//   n  as f with ',' thousand separators
//   m  money: as n with a "$" sign, "-$" when negative
//   s  string (also a single char); the precision truncates, in code points
//   p  pointer, 16 upper-case hex digits
//   %% a percent sign
//
// Width pads with blanks on the left, or on the right after '-'. Index, width
// and precision may be '*' to take them from the next integer argument. After
// "n:" the following specifiers continue with argument n + 1.
//
// A broken specifier, a missing argument or an argument of the wrong kind
// raises EConvertError "Format '<fmt>' invalid or incompatible with argument";
// Format never reads past the arguments it was given.
#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

class TFormatArg {
public:
    enum class TKind { Signed, Unsigned, Float, String, Pointer };

    template <std::signed_integral T>
        requires(!std::same_as<T, char>)
    TFormatArg(T value) : FKind(TKind::Signed), FSigned(value) {}

    template <std::unsigned_integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    TFormatArg(T value) : FKind(TKind::Unsigned), FUnsigned(value) {}

    template <std::floating_point T>
    TFormatArg(T value) : FKind(TKind::Float), FFloat(static_cast<double>(value)) {}

    TFormatArg(bool) = delete;
    TFormatArg(char value) : FKind(TKind::String), FString(1, value) {}
    TFormatArg(std::string value) : FKind(TKind::String), FString(std::move(value)) {}
    TFormatArg(std::string_view value) : FKind(TKind::String), FString(value) {}
    TFormatArg(const char* value) : FKind(TKind::String), FString(value ? value : "") {}
    TFormatArg(char* value) : TFormatArg(static_cast<const char*>(value)) {}
    TFormatArg(const void* value) : FKind(TKind::Pointer), FPointer(value) {}
    TFormatArg(std::nullptr_t) : FKind(TKind::Pointer) {}

    TKind Kind() const { return FKind; }
    int64_t AsSigned() const { return FSigned; }
    uint64_t AsUnsigned() const { return FUnsigned; }
    double AsFloat() const { return FFloat; }
    const std::string& AsString() const { return FString; }
    const void* AsPointer() const { return FPointer; }

private:
    TKind FKind;
    int64_t FSigned = 0;
    uint64_t FUnsigned = 0;
    double FFloat = 0;
    std::string FString;
    const void* FPointer = nullptr;
};

std::string FormatArgs(const std::string& fmt, std::span<const TFormatArg> args);

template <class... Args>
std::string Format(const std::string& fmt, const Args&... args)
{
    const std::array<TFormatArg, sizeof...(Args)> converted{TFormatArg(args)...};
    return FormatArgs(fmt, converted);
}
