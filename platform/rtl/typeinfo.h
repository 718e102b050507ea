#pragma once
// Run-time type information of published properties: the kinds of values a
// stored description can hold, enumeration names, sets, identifier maps for
// integers (colours, cursors) and the property and method records.
#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TObject;
class TPersistent;
class TComponent;
class TClassInfo;

// Identifiers (property, class, enumerator names) compare without regard to
// ASCII case.
int CompareIdent(std::string_view a, std::string_view b);
bool SameIdent(std::string_view a, std::string_view b);

enum class TTypeKind {
    tkInteger, tkInt64, tkFloat, tkString, tkBoolean,
    tkEnumeration, tkSet, tkClass, tkComponent, tkMethod
};

// Names of an enumeration whose values run from 0 upwards.
class TEnumInfo {
public:
    // commaNames: "alNone, alTop, alBottom" as the enumerators are written.
    TEnumInfo(std::string typeName, std::string_view commaNames);
    const std::string& TypeName() const { return FTypeName; }
    int Count() const { return static_cast<int>(FNames.size()); }
    const std::string& NameOf(int value) const;   // raises ERangeError out of range
    int IndexOf(std::string_view name) const;      // case-insensitive; -1 when unknown

private:
    std::string FTypeName;
    std::vector<std::string> FNames;
};

template <class E>
const TEnumInfo& EnumInfoOf()
{
    static_assert(sizeof(E) == 0, "publish the enumeration's names with LT_ENUM_INFO");
    static const TEnumInfo none("", "");
    return none;
}

// Publishes the names of an enumeration; the names must be its enumerators in
// order, starting at 0.
#define LT_ENUM_INFO(Type, ...)                               \
    template <>                                               \
    inline const ::TEnumInfo& EnumInfoOf<Type>()              \
    {                                                         \
        static const ::TEnumInfo info(#Type, #__VA_ARGS__);   \
        return info;                                          \
    }

// A set of up to 64 enumerators.
template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (const E item : items)
            Include(item);
    }
    static constexpr TSet FromBits(uint64_t bits)
    {
        TSet s;
        s.FBits = bits;
        return s;
    }
    constexpr uint64_t Bits() const { return FBits; }
    constexpr bool Contains(E item) const { return (FBits & Bit(item)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E item) { FBits |= Bit(item); return *this; }
    constexpr TSet& Exclude(E item) { FBits &= ~Bit(item); return *this; }
    constexpr TSet operator+(TSet other) const { return FromBits(FBits | other.FBits); }
    constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
    constexpr TSet operator*(TSet other) const { return FromBits(FBits & other.FBits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint64_t Bit(E item) { return uint64_t{1} << static_cast<unsigned>(item); }
    uint64_t FBits = 0;
};

template <class T>
struct IsTSet : std::false_type {};
template <class E>
struct IsTSet<TSet<E>> : std::true_type {
    using Element = E;
};

// Names for some integer values of a property (clBtnFace, crHandPoint).
struct TIdentEntry {
    int64_t Value;
    const char* Name;
};
using TIdentMap = std::vector<TIdentEntry>;
bool IdentToInt(const TIdentMap& map, std::string_view ident, int64_t& value);
const char* IntToIdent(const TIdentMap& map, int64_t value);   // nullptr when unnamed

// One published property. Accessors are set according to Kind:
// ordinal kinds (integer, int64, boolean, enumeration, set as bits) use
// GetOrd/SetOrd, floats GetFloat/SetFloat, strings GetStr/SetStr, nested
// objects GetObject, component references GetComponent/SetComponent and
// events HasHandler/SetHandler (the handler is a std::function of the event's
// own signature inside the std::any).
struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::tkInteger;
    const TEnumInfo* EnumType = nullptr;   // enumeration, or the element type of a set
    const TIdentMap* Idents = nullptr;     // named integer values
    const TClassInfo* (*RefClass)() = nullptr; // class of a component reference, for messages

    std::function<int64_t(const TObject&)> GetOrd;
    std::function<void(TObject&, int64_t)> SetOrd;
    std::function<double(const TObject&)> GetFloat;
    std::function<void(TObject&, double)> SetFloat;
    std::function<std::string(const TObject&)> GetStr;
    std::function<void(TObject&, const std::string&)> SetStr;
    std::function<TPersistent*(const TObject&)> GetObject;
    std::function<TComponent*(const TObject&)> GetComponent;
    std::function<bool(TObject&, TComponent*)> SetComponent;  // false when the class does not fit
    std::function<bool(const TObject&)> HasHandler;
    std::function<bool(TObject&, const std::any&)> SetHandler; // false when the signature does not fit

    // The value not written to a description; without one, ordinal values
    // are always written, strings when not empty and floats when not zero.
    std::optional<int64_t> OrdDefault;
    std::optional<double> FloatDefault;
    std::function<bool(const TObject&)> Stored;   // empty: always stored

    bool IsStored(const TObject& instance) const { return !Stored || Stored(instance); }
    bool Writable() const;
};

// One entry of a class's method table: binds the named handler to an
// instance of the class (the root of a description) and returns it as a
// std::function of the method's signature inside a std::any.
struct TMethodEntry {
    std::string Name;
    std::function<std::any(TObject& instance)> Bind;
};
