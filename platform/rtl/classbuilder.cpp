#include "platform/rtl/classbuilder.h"

TPropInfo& TPropRef::Info()
{
    return FInfo.OwnProperty(FIndex);
}

TPropRef& TPropRef::Default(int64_t value)
{
    Info().OrdDefault = value;
    return *this;
}

TPropRef& TPropRef::DefaultFloat(double value)
{
    Info().FloatDefault = value;
    return *this;
}

TPropRef& TPropRef::Idents(const TIdentMap& map)
{
    Info().Idents = &map;
    return *this;
}

TPropRef& TPropRef::StoredIf(std::function<bool(const TObject&)> stored)
{
    Info().Stored = std::move(stored);
    return *this;
}
