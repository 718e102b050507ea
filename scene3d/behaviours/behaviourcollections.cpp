#include "scene3d/behaviours/behaviourcollections.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/scene/basesceneobject.h"

LT_IMPLEMENT_CLASS(T3DBehaviours, TExtCollection) {}
LT_IMPLEMENT_CLASS(T3DObjectEffects, TExtCollection) {}

namespace {

TPersistent* SceneObjectOwner(TPersistent* AOwner)
{
    EngineAssert(dynamic_cast<T3DBaseSceneObject*>(AOwner) != nullptr);
    return AOwner;
}

std::string CollectionNamePath(const TExtCollection& Collection, const char* Suffix)
{
    const std::string ownerPath = Collection.GetOwner()->GetNamePath();
    return ownerPath.empty() ? Collection.ClassName() : ownerPath + Suffix;
}

} // namespace

T3DBehaviours::T3DBehaviours(TPersistent* AOwner) : TExtCollection(SceneObjectOwner(AOwner)) {}

const TClassInfo& T3DBehaviours::ItemBaseClass() const
{
    return T3DBehaviour::StaticClassInfo();
}

bool T3DBehaviours::AcceptsItemClass(const TExtCollectionItemClass& ItemClass) const
{
    return ItemClass.InheritsFrom(ItemBaseClass()) && TExtCollection::AcceptsItemClass(ItemClass);
}

std::string T3DBehaviours::GetNamePath() const
{
    return CollectionNamePath(*this, ".Behaviours");
}

T3DObjectEffects::T3DObjectEffects(TPersistent* AOwner) : TExtCollection(SceneObjectOwner(AOwner)) {}

const TClassInfo& T3DObjectEffects::ItemBaseClass() const
{
    return T3DObjectEffect::StaticClassInfo();
}

bool T3DObjectEffects::AcceptsItemClass(const TExtCollectionItemClass& ItemClass) const
{
    return ItemClass.InheritsFrom(ItemBaseClass()) && TExtCollection::AcceptsItemClass(ItemClass);
}

std::string T3DObjectEffects::GetNamePath() const
{
    return CollectionNamePath(*this, ".Effects");
}
