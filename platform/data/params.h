#pragma once
// Parameters of queries and stored procedures: named, typed values, written
// in descriptions as a collection.
#include <string>

#include "platform/data/datatypes.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/variant.h"

enum TParamType { ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult };
LT_ENUM_INFO(TParamType, ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult)

class TParam : public TCollectionItem {
    LT_CLASS(TParam)
public:
    explicit TParam(TCollection* Collection) : TCollectionItem(Collection) {}

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType Value) { FDataType = Value; }
    TParamType ParamType() const { return FParamType; }
    void SetParamType(TParamType Value) { FParamType = Value; }
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }

    const Variant& Value() const { return FValue; }
    void SetValue(const Variant& Value) { FValue = Value; }
    bool IsNull() const { return FValue.IsNull() || FValue.IsEmpty(); }
    void Clear() { FValue = Variant::Null(); }
    std::string AsString() const { return VarToStr(FValue); }
    int AsInteger() const { return IsNull() ? 0 : FValue.AsInteger(); }
    std::string DisplayName() const override { return FName; }
    void Assign(const TPersistent* Source) override;

private:
    std::string FName;
    TFieldType FDataType = ftUnknown;
    TParamType FParamType = ptUnknown;
    int FSize = 0;
    Variant FValue = Variant::Null();
};

class TParams : public TCollection {
    LT_CLASS(TParams)
public:
    explicit TParams(TPersistent* AOwner) : TCollection(AOwner, ItemsOf<TParam>()) {}
    TParam* Items(int Index) const { return static_cast<TParam*>(TCollection::Items(Index)); }
    TParam* AddParam() { return static_cast<TParam*>(Add()); }
    // Names compare without regard to case.
    TParam* FindParam(const std::string& Name) const;
    TParam* ParamByName(const std::string& Name) const;   // raises "Parameter 'X' not found"
};
