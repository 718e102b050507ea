#include "scene3d/behaviours/basebehaviour.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/behaviours/behaviourcollections.h"
#include "scene3d/persistence/virtualarchive.h"
#include "scene3d/scene/basesceneobject.h"

LT_IMPLEMENT_CLASS(T3DBaseBehaviour, TExtCollectionItem) {}
LT_IMPLEMENT_CLASS(T3DBehaviour, T3DBaseBehaviour) {}
LT_IMPLEMENT_CLASS(T3DObjectEffect, T3DBaseBehaviour) {}

T3DBaseSceneObject* T3DBaseBehaviour::OwnerBaseSceneObject() const
{
    return Collection() ? dynamic_cast<T3DBaseSceneObject*>(Collection()->GetOwner()) : nullptr;
}

void T3DBaseBehaviour::WriteItem(TVirtualWriter& Writer) const
{
    TExtCollectionItem::WriteItem(Writer);
    Writer.WriteInteger(0);
}

void T3DBaseBehaviour::ReadItem(TVirtualReader& Reader)
{
    TExtCollectionItem::ReadItem(Reader);
    EngineAssert(Reader.ReadInteger() == 0);
}

void T3DBaseBehaviour::DoProgress(const TProgressTimeInfo&) {}

bool T3DBehaviour::AcceptsCollection(const TExtCollection* Collection)
{
    return dynamic_cast<const T3DBehaviours*>(Collection) != nullptr;
}

bool T3DObjectEffect::AcceptsCollection(const TExtCollection* Collection)
{
    return dynamic_cast<const T3DObjectEffects*>(Collection) != nullptr;
}

void T3DObjectEffect::PreRender(TRenderContextInfo&) {}

void T3DObjectEffect::PostRender(TRenderContextInfo&) {}
