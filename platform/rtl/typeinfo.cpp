#include "platform/rtl/typeinfo.h"

#include <algorithm>

#include "platform/rtl/exceptions.h"

namespace {
char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\n'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}
} // namespace

int CompareIdent(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char ca = LowerAscii(a[i]);
        const char cb = LowerAscii(b[i]);
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameIdent(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareIdent(a, b) == 0;
}

TEnumInfo::TEnumInfo(std::string typeName, std::string_view commaNames)
    : FTypeName(std::move(typeName))
{
    while (!commaNames.empty()) {
        const std::size_t comma = commaNames.find(',');
        const std::string_view name = TrimBlanks(commaNames.substr(0, comma));
        if (!name.empty())
            FNames.emplace_back(name);
        if (comma == std::string_view::npos)
            break;
        commaNames.remove_prefix(comma + 1);
    }
}

const std::string& TEnumInfo::NameOf(int value) const
{
    if (value < 0 || value >= Count())
        throw ERangeError("Value " + std::to_string(value) + " is out of range for " + FTypeName);
    return FNames[static_cast<std::size_t>(value)];
}

int TEnumInfo::IndexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < FNames.size(); ++i)
        if (SameIdent(FNames[i], name))
            return static_cast<int>(i);
    return -1;
}

bool IdentToInt(const TIdentMap& map, std::string_view ident, int64_t& value)
{
    for (const TIdentEntry& e : map)
        if (SameIdent(e.Name, ident)) {
            value = e.Value;
            return true;
        }
    return false;
}

const char* IntToIdent(const TIdentMap& map, int64_t value)
{
    for (const TIdentEntry& e : map)
        if (e.Value == value)
            return e.Name;
    return nullptr;
}

bool TPropInfo::Writable() const
{
    switch (Kind) {
    case TTypeKind::tkFloat: return static_cast<bool>(SetFloat);
    case TTypeKind::tkString: return static_cast<bool>(SetStr);
    case TTypeKind::tkClass: return false;
    case TTypeKind::tkComponent: return static_cast<bool>(SetComponent);
    case TTypeKind::tkMethod: return static_cast<bool>(SetHandler);
    default: return static_cast<bool>(SetOrd);
    }
}
