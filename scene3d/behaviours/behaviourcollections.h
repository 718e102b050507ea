#pragma once
// The behaviours and the effects of a scene object: each an extensible
// collection that only a scene object may own and that takes only its own
// kind of item.
#include "scene3d/base/extcollection.h"
#include "scene3d/behaviours/basebehaviour.h"

class T3DBehaviours : public TExtCollection {
    LT_CLASS(T3DBehaviours)
public:
    // AOwner must be a scene object ("Assertion failure" otherwise).
    explicit T3DBehaviours(TPersistent* AOwner);

    // T3DBehaviour: effects and other items are refused.
    const TClassInfo& ItemBaseClass() const override;
    bool AcceptsItemClass(const TExtCollectionItemClass& ItemClass) const override;
    T3DBehaviour* Behaviour(int Index) const { return static_cast<T3DBehaviour*>(Items(Index)); }
    // "<owner's name path>.Behaviours".
    std::string GetNamePath() const override;
};

class T3DObjectEffects : public TExtCollection {
    LT_CLASS(T3DObjectEffects)
public:
    // AOwner must be a scene object ("Assertion failure" otherwise).
    explicit T3DObjectEffects(TPersistent* AOwner);

    // T3DObjectEffect: behaviours and other items are refused.
    const TClassInfo& ItemBaseClass() const override;
    bool AcceptsItemClass(const TExtCollectionItemClass& ItemClass) const override;
    T3DObjectEffect* Effect(int Index) const { return static_cast<T3DObjectEffect*>(Items(Index)); }
    // "<owner's name path>.Effects".
    std::string GetNamePath() const override;
};
