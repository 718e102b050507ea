#pragma once
// The links of the change chain: every property of the scene engine reports
// a change to its owner, which passes it on upwards until a viewer repaints.
#include "platform/rtl/component.h"
#include "scene3d/base/progresstimes.h"

class T3DCoordinates;

// A persistent part of a scene object (coordinates, colours, materials).
class T3DUpdateAbleObject : public TPersistent {
    LT_CLASS(T3DUpdateAbleObject)
public:
    explicit T3DUpdateAbleObject(TPersistent* AOwner);

    TPersistent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }

    // While BeginUpdate calls outnumber EndUpdate calls no change is reported.
    void BeginUpdate() { ++FUpdating; }
    // An EndUpdate without its BeginUpdate raises "Assertion failure".
    void EndUpdate();
    int Updating() const { return FUpdating; }

    // Reports a change: nothing while updating or without an owner;
    // otherwise the owner's NotifyChange (an updatable object or component)
    // with this object, then OnChange.
    virtual void NotifyChange(TObject* Sender);

    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

private:
    TPersistent* FOwner;
    int FUpdating = 0;
    TNotifyEvent FOnChange;
};

// A component that the cadencer moves on in time.
class T3DCadenceAbleComponent : public TComponent {
    LT_CLASS(T3DCadenceAbleComponent)
public:
    using TComponent::TComponent;
    // Nothing here.
    virtual void AdvanceTime(const TProgressTimeInfo& ProgressTime);
};

// A component in the change chain.
class T3DUpdateAbleComponent : public T3DCadenceAbleComponent {
    LT_CLASS(T3DUpdateAbleComponent)
public:
    using T3DCadenceAbleComponent::T3DCadenceAbleComponent;
    // Passes the change on to the owner when that is an updatable component.
    virtual void NotifyChange(TObject* Sender);
};

// A component that owns coordinates: they report to CoordinatesNotify
// instead of NotifyChange.
class T3DCoordinatesUpdateAbleComponent : public T3DUpdateAbleComponent {
    LT_CLASS(T3DCoordinatesUpdateAbleComponent)
public:
    using T3DUpdateAbleComponent::T3DUpdateAbleComponent;
    virtual void CoordinatesNotify(T3DCoordinates* Sender) = 0;
};
