#include "platform/rtl/persistent.h"

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/exceptions.h"

LT_IMPLEMENT_CLASS(TPersistent, TObject) {}

void TPersistent::Assign(const TPersistent* Source)
{
    if (!Source)
        AssignError(nullptr);
    Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* Source) const
{
    const std::string sourceName = Source ? Source->ClassName() : std::string("nil");
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

std::string TPersistent::GetNamePath() const
{
    return ClassName();
}

std::string TPersistent::HandlerName(const std::string& eventProperty) const
{
    if (!FHandlerNames)
        return {};
    const auto it = FHandlerNames->find(eventProperty);
    return it == FHandlerNames->end() ? std::string() : it->second;
}

void TPersistent::SetHandlerName(const std::string& eventProperty, const std::string& handler)
{
    if (!FHandlerNames)
        FHandlerNames = std::make_unique<std::map<std::string, std::string>>();
    (*FHandlerNames)[eventProperty] = handler;
}
