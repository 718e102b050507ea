#include "scene3d/render/renderqueue.h"

#include "scene3d/lists/sortbykeys.h"
#include "scene3d/scene/basesceneobject.h"

void T3DRenderQueue::Start(int Capacity)
{
    FKeys.EmptyList();
    FObjects.SetCount(0);
    if (FKeys.Capacity() < Capacity)
        FKeys.SetCapacity(Capacity);
    if (FObjects.Capacity() < Capacity)
        FObjects.SetCapacity(Capacity);
}

void T3DRenderQueue::Add(float Key, T3DBaseSceneObject* Object)
{
    FKeys.Add(Key);
    FObjects.Add(Object);
}

void T3DRenderQueue::Sort()
{
    if (Count() > 1)
        SortByKeys(0, Count() - 1, FKeys, FObjects);
}

T3DBaseSceneObject* T3DRenderQueue::Object(int Index) const
{
    return static_cast<T3DBaseSceneObject*>(FObjects.Items(Index));
}
