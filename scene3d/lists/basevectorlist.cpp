#include "scene3d/lists/basevectorlist.h"

#include <algorithm>
#include <limits>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/geometry/vectorarithmetic.h"
#include "scene3d/geometry/vectorlength.h"

LT_IMPLEMENT_CLASS(TBaseVectorList, TBaseList) {}

TAffineVector& TBaseVectorList::ItemXYZ(int Index)
{
    return *reinterpret_cast<TAffineVector*>(TypedItems<std::byte>() + static_cast<std::size_t>(Index) * ItemSize());
}

const TAffineVector& TBaseVectorList::ItemXYZ(int Index) const
{
    return *reinterpret_cast<const TAffineVector*>(TypedItems<std::byte>() +
                                                   static_cast<std::size_t>(Index) * ItemSize());
}

void TBaseVectorList::GetExtents(TAffineVector& Min, TAffineVector& Max) const
{
    constexpr float infinity = std::numeric_limits<float>::infinity();
    Min = {infinity, infinity, infinity};
    Max = {-infinity, -infinity, -infinity};
    for (int i = 0; i < Count(); ++i)
        for (int k = 0; k < 3; ++k) {
            Min[k] = std::min(Min[k], ItemXYZ(i)[k]);
            Max[k] = std::max(Max[k], ItemXYZ(i)[k]);
        }
}

TAffineVector TBaseVectorList::Sum() const
{
    TAffineVector sum;
    for (int i = 0; i < Count(); ++i)
        AddVector(sum, ItemXYZ(i));
    return sum;
}

float TBaseVectorList::MaxSpacing(const TBaseVectorList& Other) const
{
    EngineAssert(Other.Count() == Count());
    float result = 0;
    for (int i = 0; i < Count(); ++i)
        result = std::max(result, VectorSpacing(ItemXYZ(i), Other.ItemXYZ(i)));
    return result;
}

void TBaseVectorList::Translate(const TAffineVector& Delta)
{
    for (int i = 0; i < Count(); ++i)
        AddVector(ItemXYZ(i), Delta);
}

void TBaseVectorList::TranslateItems(const TBaseVectorList& Other)
{
    EngineAssert(Other.Count() >= Count());
    for (int i = 0; i < Count(); ++i)
        AddVector(ItemXYZ(i), Other.ItemXYZ(i));
}

void TBaseVectorList::SubtractItems(const TBaseVectorList& Other)
{
    EngineAssert(Other.Count() >= Count());
    for (int i = 0; i < Count(); ++i)
        SubtractVector(ItemXYZ(i), Other.ItemXYZ(i));
}

void TBaseVectorList::CombineItems(const TBaseVectorList& Other, float Factor)
{
    EngineAssert(Other.Count() >= Count());
    for (int i = 0; i < Count(); ++i)
        CombineVector(ItemXYZ(i), Other.ItemXYZ(i), Factor);
}

void TBaseVectorList::WriteToArchive(TVirtualWriter& Writer) const
{
    TBaseList::WriteToArchive(Writer);
    Writer.WriteInteger(0);
}

void TBaseVectorList::ReadFromArchive(TVirtualReader& Reader)
{
    TBaseList::ReadFromArchive(Reader);
    const int version = Reader.ReadInteger();
    if (version != 0)
        RaiseFilerException(version);
}
