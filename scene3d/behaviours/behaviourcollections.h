#pragma once
// The behaviours and the effects of a scene object: each an extensible
// collection that only a scene object may own and that takes only its own
// kind of item.
#include "scene3d/base/extcollection.h"
#include "scene3d/behaviours/basebehaviour.h"

// What the two collections share.
class T3DSceneObjectItems : public TExtCollection {
    LT_CLASS(T3DSceneObjectItems)
public:
    // Items of the collection's own kind only.
    const TClassInfo& ItemBaseClass() const override { return FItemBaseClass; }
    bool AcceptsItemClass(const TExtCollectionItemClass& ItemClass) const override;
    // "<owner's name path><path suffix>".
    std::string GetNamePath() const override;

protected:
    // AOwner must be a scene object ("Assertion failure" otherwise).
    T3DSceneObjectItems(TPersistent* AOwner, const TClassInfo& ItemBaseClass, const char* PathSuffix);

private:
    const TClassInfo& FItemBaseClass;
    const char* FPathSuffix;
};

// Of T3DBehaviour; its path ends in ".Behaviours".
class T3DBehaviours : public T3DSceneObjectItems {
    LT_CLASS(T3DBehaviours)
public:
    explicit T3DBehaviours(TPersistent* AOwner);
    T3DBehaviour* Behaviour(int Index) const { return static_cast<T3DBehaviour*>(Items(Index)); }
};

// Of T3DObjectEffect; its path ends in ".Effects".
class T3DObjectEffects : public T3DSceneObjectItems {
    LT_CLASS(T3DObjectEffects)
public:
    explicit T3DObjectEffects(TPersistent* AOwner);
    T3DObjectEffect* Effect(int Index) const { return static_cast<T3DObjectEffect*>(Items(Index)); }
};
