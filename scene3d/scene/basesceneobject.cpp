#include "scene3d/scene/basesceneobject.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/storechange.h"
#include "scene3d/behaviours/behaviourcollections.h"
#include "scene3d/context/contexthandles.h"
#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/render/renderqueue.h"
#include "scene3d/scene/scene.h"

LT_IMPLEMENT_CLASS(T3DBaseSceneObject, T3DCoordinatesUpdateAbleComponent) {}

T3DBaseSceneObject::T3DBaseSceneObject(TComponent* AOwner)
    : T3DCoordinatesUpdateAbleComponent(AOwner),
      FChanges{ocLocalMatrix, ocAbsoluteMatrix, ocInverseMatrix, ocStructure},
      FPosition(std::make_unique<T3DCoordinates>(this, NullHmgPoint, csPoint)),
      FDirection(std::make_unique<T3DCoordinates>(this, TVector{0, 0, 1, 0}, csVector)),
      FUp(std::make_unique<T3DCoordinates>(this, TVector{0, 1, 0, 0}, csVector)),
      FScale(std::make_unique<T3DCoordinates>(this, TVector{1, 1, 1, 0}, csVector)),
      FLocalMatrix(IdentityHmgMatrix),
      FAbsoluteMatrix(IdentityHmgMatrix),
      FInvAbsoluteMatrix(IdentityHmgMatrix)
{
}

T3DBaseSceneObject::~T3DBaseSceneObject()
{
    FreeDescendantCameras();
    if (FParent)
        FParent->Remove(this, false);
    DeleteChildren();
}

void T3DBaseSceneObject::AdvanceTime(const TProgressTimeInfo& ProgressTime)
{
    for (int i = GetChildCount() - 1; i >= 0; --i)
        if (i < GetChildCount())
            FChildren[static_cast<std::size_t>(i)]->AdvanceTime(ProgressTime);
    if (FBehaviours)
        for (int i = 0; i < FBehaviours->Count(); ++i)
            FBehaviours->Behaviour(i)->DoProgress(ProgressTime);
    if (FEffects)
        for (int i = 0; i < FEffects->Count(); ++i)
            FEffects->Effect(i)->DoProgress(ProgressTime);
    if (FOnProgress)
        FOnProgress(this, ProgressTime.DeltaTime, ProgressTime.NewTime);
}

void T3DBaseSceneObject::NotifyChange(TObject*)
{
    if (FScene && !IsUpdating())
        FScene->NotifyChange(this);
}

void T3DBaseSceneObject::SetVisible(bool Value)
{
    if (StoreChange(FVisible, Value))
        NotifyChange(this);
}

bool T3DBaseSceneObject::IsBlended() const
{
    return false;
}

void T3DBaseSceneObject::BeginUpdate()
{
    ++FUpdateCount;
}

void T3DBaseSceneObject::EndUpdate()
{
    EngineAssert(FUpdateCount > 0, "Unbalanced Begin/EndUpdate");
    if (--FUpdateCount == 0)
        NotifyChange(this);
}

void T3DBaseSceneObject::CompileList(TRenderContextInfo&) {}

bool T3DBaseSceneObject::IsUpdating() const
{
    return FUpdateCount > 0 || ComponentState().Contains(csReading);
}

void T3DBaseSceneObject::PlacementChanged()
{
    if (FChanges.Contains(ocLocalMatrix))
        return;
    FChanges.Include(ocLocalMatrix);
    FChanges.Include(ocAbsoluteMatrix).Include(ocInverseMatrix);
    for (T3DBaseSceneObject* child : FChildren)
        child->MarkAbsoluteStale();
    if (!ComponentState().Contains(csLoading))
        NotifyChange(this);
}

void T3DBaseSceneObject::MarkAbsoluteStale()
{
    if (FChanges.Contains(ocAbsoluteMatrix) && FChanges.Contains(ocInverseMatrix))
        return;
    FChanges.Include(ocAbsoluteMatrix).Include(ocInverseMatrix);
    for (T3DBaseSceneObject* child : FChildren)
        child->MarkAbsoluteStale();
}

void T3DBaseSceneObject::ListInvalidated()
{
    if (!FChanges.Contains(ocStructure)) {
        FChanges.Include(ocStructure);
        NotifyChange(this);
    } else if (FObjectStyle.Contains(sfDirectDraw)) {
        NotifyChange(this);
    }
}

void T3DBaseSceneObject::SetShowAxes(bool Value)
{
    if (StoreChange(FShowAxes, Value))
        NotifyChange(this);
}

void T3DBaseSceneObject::SetObjectsSorting(T3DObjectsSorting Value)
{
    if (StoreChange(FObjectsSorting, Value))
        NotifyChange(this);
}

void T3DBaseSceneObject::SetVisibilityCulling(T3DVisibilityCulling Value)
{
    if (StoreChange(FVisibilityCulling, Value))
        NotifyChange(this);
}

T3DBehaviours* T3DBaseSceneObject::Behaviours()
{
    if (!FBehaviours)
        FBehaviours = std::make_unique<T3DBehaviours>(this);
    return FBehaviours.get();
}

T3DObjectEffects* T3DBaseSceneObject::Effects()
{
    if (!FEffects)
        FEffects = std::make_unique<T3DObjectEffects>(this);
    return FEffects.get();
}

void T3DBaseSceneObject::SetBehaviours(const T3DBehaviours* Value)
{
    Behaviours()->Assign(Value);
}

void T3DBaseSceneObject::SetEffects(const T3DObjectEffects* Value)
{
    Effects()->Assign(Value);
}

bool T3DBaseSceneObject::HasBehaviours() const
{
    return FBehaviours && FBehaviours->Count() > 0;
}

bool T3DBaseSceneObject::HasEffects() const
{
    return FEffects && FEffects->Count() > 0;
}
