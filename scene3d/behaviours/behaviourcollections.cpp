#include "scene3d/behaviours/behaviourcollections.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/scene/basesceneobject.h"

LT_IMPLEMENT_CLASS(T3DSceneObjectItems, TExtCollection) {}
LT_IMPLEMENT_CLASS(T3DBehaviours, T3DSceneObjectItems) {}
LT_IMPLEMENT_CLASS(T3DObjectEffects, T3DSceneObjectItems) {}

namespace {

TPersistent* SceneObjectOwner(TPersistent* AOwner)
{
    EngineAssert(dynamic_cast<T3DBaseSceneObject*>(AOwner) != nullptr);
    return AOwner;
}

} // namespace

T3DSceneObjectItems::T3DSceneObjectItems(TPersistent* AOwner, const TClassInfo& ItemBaseClass, const char* PathSuffix)
    : TExtCollection(SceneObjectOwner(AOwner)), FItemBaseClass(ItemBaseClass), FPathSuffix(PathSuffix)
{
}

bool T3DSceneObjectItems::AcceptsItemClass(const TExtCollectionItemClass& ItemClass) const
{
    return ItemClass.InheritsFrom(FItemBaseClass) && TExtCollection::AcceptsItemClass(ItemClass);
}

std::string T3DSceneObjectItems::GetNamePath() const
{
    const std::string ownerPath = GetOwner()->GetNamePath();
    return ownerPath.empty() ? ClassName() : ownerPath + FPathSuffix;
}

T3DBehaviours::T3DBehaviours(TPersistent* AOwner)
    : T3DSceneObjectItems(AOwner, T3DBehaviour::StaticClassInfo(), ".Behaviours")
{
}

T3DObjectEffects::T3DObjectEffects(TPersistent* AOwner)
    : T3DSceneObjectItems(AOwner, T3DObjectEffect::StaticClassInfo(), ".Effects")
{
}
