#pragma once
// What a scene object may carry besides its children: behaviours, which act
// on the object as time goes on, and effects, which also take part in drawing
// it. Both are items of extensible collections that the object owns and
// stores, by class name, with the description of its form.
#include "scene3d/base/extcollectionitem.h"
#include "scene3d/base/progresstimes.h"

class T3DBaseSceneObject;
struct TRenderContextInfo;

class T3DBaseBehaviour : public TExtCollectionItem {
    LT_CLASS(T3DBaseBehaviour)
public:
    // The scene object whose collection holds the item; nullptr outside one.
    T3DBaseSceneObject* OwnerBaseSceneObject() const;

    // After the item's version and name, the behaviour's own version 0.
    void WriteItem(TVirtualWriter& Writer) const override;
    // Requires the behaviour's version 0 ("Assertion failure").
    void ReadItem(TVirtualReader& Reader) override;
    // A step of time of the owner; nothing here.
    virtual void DoProgress(const TProgressTimeInfo& ProgressTime);

protected:
    using TExtCollectionItem::TExtCollectionItem;
};

class T3DBehaviour : public T3DBaseBehaviour {
    LT_CLASS(T3DBehaviour)
public:
    // Only a T3DBehaviours takes behaviours.
    static bool AcceptsCollection(const TExtCollection* Collection);

protected:
    using T3DBaseBehaviour::T3DBaseBehaviour;
};

class T3DObjectEffect : public T3DBaseBehaviour {
    LT_CLASS(T3DObjectEffect)
public:
    // Only a T3DObjectEffects takes effects.
    static bool AcceptsCollection(const TExtCollection* Collection);
    // Called before and after the owner is drawn; nothing here.
    virtual void PreRender(TRenderContextInfo& Rci);
    virtual void PostRender(TRenderContextInfo& Rci);

protected:
    using T3DBaseBehaviour::T3DBaseBehaviour;
};
