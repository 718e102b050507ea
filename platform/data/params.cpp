#include "platform/data/params.h"

#include "platform/data/dataset.h"
#include "platform/rtl/classbuilder.h"
#include "platform/rtl/strutils.h"

LT_IMPLEMENT_CLASS(TParam, TCollectionItem)
{
    P.Property("DataType", &TParam::DataType, &TParam::SetDataType).Default(ftUnknown);
    P.Property("Name", &TParam::Name, &TParam::SetName);
    P.Property("ParamType", &TParam::ParamType, &TParam::SetParamType).Default(ptUnknown);
    P.Property("Size", &TParam::Size, &TParam::SetSize).Default(0);
}

LT_IMPLEMENT_CLASS(TParams, TCollection) {}

void TParam::Assign(const TPersistent* Source)
{
    const auto* param = dynamic_cast<const TParam*>(Source);
    if (!param) {
        TCollectionItem::Assign(Source);
        return;
    }
    FName = param->FName;
    FDataType = param->FDataType;
    FParamType = param->FParamType;
    FSize = param->FSize;
    FValue = param->FValue;
}

TParam* TParams::FindParam(const std::string& Name) const
{
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(Items(i)->Name(), Name))
            return Items(i);
    return nullptr;
}

TParam* TParams::ParamByName(const std::string& Name) const
{
    TParam* param = FindParam(Name);
    if (!param)
        DatabaseError("Parameter '" + Name + "' not found");
    return param;
}
