#include "scene3d/render/picklist.h"

#include <memory>

#include "platform/rtl/strutils.h"
#include "scene3d/scene/basesceneobject.h"

namespace {

TPickSortMode SharedSortMode = pmDefault;

const TPickRecord& RecordOf(TObject* Item)
{
    return *static_cast<const TPickRecord*>(Item);
}

int CompareDepths(float Depth1, float Depth2)
{
    const float difference = Depth1 - Depth2;
    return difference < 0 ? -1 : difference > 0 ? 1 : 0;
}

int CompareNames(const T3DBaseSceneObject* Object1, const T3DBaseSceneObject* Object2)
{
    if (!Object1 || !Object2)
        return (Object1 == nullptr) - (Object2 == nullptr);
    return AnsiCompareText(Object1->Name(), Object2->Name());
}

int CompareRecords(TObject* Item1, TObject* Item2)
{
    const TPickRecord& record1 = RecordOf(Item1);
    const TPickRecord& record2 = RecordOf(Item2);
    switch (SharedSortMode) {
    case pmName:
        return CompareNames(record1.AObject, record2.AObject);
    case pmMinDepth:
        return CompareDepths(record1.ZNear, record2.ZNear);
    case pmMaxDepth:
        return CompareDepths(record1.ZFar, record2.ZFar);
    case pmDefault:
        break;
    }
    return 0;
}

} // namespace

T3DPickList::T3DPickList(TPickSortMode SortMode)
{
    SharedSortMode = SortMode;
}

T3DPickList::~T3DPickList()
{
    FreeObjects();
}

void T3DPickList::AddHit(T3DBaseSceneObject* Object, std::vector<int32_t> SubObjects, float ZNear, float ZFar)
{
    auto record = std::make_unique<TPickRecord>();
    record->AObject = Object;
    record->SubObjects = std::move(SubObjects);
    record->ZNear = ZNear;
    record->ZFar = ZFar;
    Add(record.release());
    if (SharedSortMode != pmDefault)
        Sort(CompareRecords);
}

void T3DPickList::Clear()
{
    FreeObjects();
    TPersistentObjectList::Clear();
}
