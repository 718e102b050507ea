#include "scene3d/lists/vectorlists.h"

#include <span>
#include <typeinfo>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/geometry/vectorcompare.h"
#include "scene3d/geometry/vectorlength.h"
#include "scene3d/geometry/vectorlerp.h"
#include "scene3d/geometry/vectormake.h"
#include "scene3d/persistence/archiveclasses.h"

LT_IMPLEMENT_CLASS(TAffineVectorList, TBaseVectorList) {}
LT_IMPLEMENT_CLASS(TVectorList, TBaseVectorList) {}
LT_IMPLEMENT_CLASS(TTexPointList, TBaseList) {}

namespace {

[[maybe_unused]] const bool registered = RegisterArchiveClass<TAffineVectorList>() &&
                                         RegisterArchiveClass<TVectorList>() &&
                                         RegisterArchiveClass<TTexPointList>();

// Self becomes List1 + T * (List2 - List1) when both lists are of its own
// class (of equal counts); otherwise nothing happens.
template <class TList>
void LerpLists(TList& Self, const TBaseVectorList& List1, const TBaseVectorList& List2, float T)
{
    if (typeid(List1) != typeid(Self) || typeid(List2) != typeid(Self))
        return;
    EngineAssert(List1.Count() == List2.Count());
    const auto& from = static_cast<const TList&>(List1);
    const auto& to = static_cast<const TList&>(List2);
    Self.SetCount(from.Count());
    const auto count = static_cast<std::size_t>(Self.Count());
    VectorArrayLerp(std::span(from.List(), count), std::span(to.List(), count), T, std::span(Self.List(), count));
}

} // namespace

TAffineVectorList::TAffineVectorList() : TBaseVectorList(sizeof(TAffineVector)) {}

int TAffineVectorList::Add(const TAffineVector& Item)
{
    const int index = AddItem();
    List()[index] = Item;
    return index;
}

int TAffineVectorList::IndexOf(const TAffineVector& Item) const
{
    for (int i = 0; i < Count(); ++i)
        if (VectorEquals(List()[i], Item))
            return i;
    return -1;
}

int TAffineVectorList::FindOrAdd(const TAffineVector& Item)
{
    const int index = IndexOf(Item);
    return index >= 0 ? index : Add(Item);
}

void TAffineVectorList::Normalize()
{
    NormalizeVectorArray(std::span(List(), static_cast<std::size_t>(Count())));
}

void TAffineVectorList::Lerp(const TBaseVectorList& List1, const TBaseVectorList& List2, float T)
{
    LerpLists(*this, List1, List2, T);
}

TVectorList::TVectorList() : TBaseVectorList(sizeof(TVector)) {}

int TVectorList::Add(const TVector& Item)
{
    const int index = AddItem();
    List()[index] = Item;
    return index;
}

int TVectorList::Add(const TAffineVector& Item, float W)
{
    return Add(VectorMake(Item, W));
}

int TVectorList::AddPoint(const TAffineVector& Item)
{
    return Add(PointMake(Item));
}

int TVectorList::AddPoint(float X, float Y, float Z)
{
    return Add(VectorMake(X, Y, Z, 1));
}

void TVectorList::Normalize()
{
    for (int i = 0; i < Count(); ++i)
        NormalizeVector(List()[i]);
}

void TVectorList::Lerp(const TBaseVectorList& List1, const TBaseVectorList& List2, float T)
{
    LerpLists(*this, List1, List2, T);
}

TTexPointList::TTexPointList() : TBaseList(sizeof(TTexPoint)) {}

int TTexPointList::Add(const TTexPoint& Item)
{
    const int index = AddItem();
    List()[index] = Item;
    return index;
}
