#include "scene3d/base/updateable.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"

LT_IMPLEMENT_CLASS(T3DUpdateAbleObject, TPersistent) {}
LT_IMPLEMENT_CLASS(T3DCadenceAbleComponent, TComponent) {}
LT_IMPLEMENT_CLASS(T3DUpdateAbleComponent, T3DCadenceAbleComponent) {}
LT_IMPLEMENT_CLASS(T3DCoordinatesUpdateAbleComponent, T3DUpdateAbleComponent) {}

T3DUpdateAbleObject::T3DUpdateAbleObject(TPersistent* AOwner) : FOwner(AOwner) {}

void T3DUpdateAbleObject::EndUpdate()
{
    EngineAssert(FUpdating > 0);
    --FUpdating;
}

void T3DUpdateAbleObject::NotifyChange(TObject*)
{
    if (FUpdating > 0 || !FOwner)
        return;
    if (auto* object = dynamic_cast<T3DUpdateAbleObject*>(FOwner))
        object->NotifyChange(this);
    else if (auto* component = dynamic_cast<T3DUpdateAbleComponent*>(FOwner))
        component->NotifyChange(this);
    if (FOnChange)
        FOnChange(this);
}

void T3DCadenceAbleComponent::AdvanceTime(const TProgressTimeInfo&) {}

void T3DUpdateAbleComponent::NotifyChange(TObject*)
{
    if (auto* owner = dynamic_cast<T3DUpdateAbleComponent*>(Owner()))
        owner->NotifyChange(this);
}
