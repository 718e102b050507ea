#include "scene3d/scene/scene.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/storechange.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/context/context.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/lightsource.h"
#include "scene3d/scene/sceneroot.h"

LT_IMPLEMENT_CLASS(T3DScene, T3DUpdateAbleComponent)
{
    P.Property("ObjectsSorting", &T3DScene::ObjectsSorting, &T3DScene::SetObjectsSorting)
        .Default(osRenderBlendedLast);
    P.Property("VisibilityCulling", &T3DScene::VisibilityCulling, &T3DScene::SetVisibilityCulling).Default(vcNone);
    P.Property("OnProgress", &T3DScene::OnProgress, &T3DScene::SetOnProgress);
}

T3DScene::T3DScene(TComponent* AOwner)
    : T3DUpdateAbleComponent(AOwner),
      FObjects(std::make_unique<T3DSceneRootObject>(this)),
      FCameras(std::make_unique<T3DSceneRootObject>(this))
{
    FObjects->SetName("ObjectRoot");
    FCameras->SetName("CameraRoot");
}

T3DScene::~T3DScene()
{
    FDestroying = true;
    FObjects->DestroyHandles();
    FCameras.reset();
    FObjects.reset();
}

T3DLightSource* T3DScene::Lights(int Slot) const
{
    if (Slot < 0 || Slot >= MaxLights)
        return nullptr;
    return FLights[static_cast<std::size_t>(Slot)];
}

int T3DScene::LightSlotOf(const T3DBaseSceneObject* Light) const
{
    const auto found = std::find(FLights.begin(), FLights.end(), Light);
    return found == FLights.end() ? -1 : static_cast<int>(found - FLights.begin());
}

void T3DScene::AddLight(T3DLightSource* Light)
{
    if (!Light || LightSlotOf(Light) >= 0)
        return;
    const auto empty = std::find(FLights.begin(), FLights.end(), nullptr);
    if (empty != FLights.end())
        *empty = Light;
}

void T3DScene::RemoveLight(const T3DBaseSceneObject* Light)
{
    for (T3DLightSource*& slot : FLights)
        if (slot == Light)
            slot = nullptr;
}

void T3DScene::AddLights(T3DBaseSceneObject* Object)
{
    if (auto* light = dynamic_cast<T3DLightSource*>(Object))
        AddLight(light);
    for (int i = 0; i < Object->GetChildCount(); ++i)
        AddLights(Object->GetChild(i));
}

void T3DScene::RemoveLights(const T3DBaseSceneObject* Object)
{
    RemoveLight(Object);
    for (int i = 0; i < Object->GetChildCount(); ++i)
        RemoveLights(Object->GetChild(i));
}

void T3DScene::SetCurrentCamera(T3DCamera* Value)
{
    if (Value == FCurrentCamera)
        return;
    if (FCurrentCamera)
        RemoveFreeNotification(FCurrentCamera);
    FCurrentCamera = Value;
    if (FCurrentCamera)
        FreeNotification(FCurrentCamera);
}

void T3DScene::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FCurrentCamera)
        FCurrentCamera = nullptr;
    T3DUpdateAbleComponent::Notification(AComponent, Operation);
}

void T3DScene::EndUpdate()
{
    EngineAssert(FUpdateCount > 0);
    if (--FUpdateCount == 0)
        NotifyChange(this);
}

bool T3DScene::IsUpdating() const
{
    return FUpdateCount > 0 || ComponentState().Contains(csLoading) || FDestroying;
}

void T3DScene::NotifyChange(TObject*)
{
    if (IsUpdating())
        return;
    for (T3DSceneBuffer* buffer : FBuffers)
        buffer->NotifyChange(this);
}

void T3DScene::AddBuffer(T3DSceneBuffer* Buffer)
{
    if (std::find(FBuffers.begin(), FBuffers.end(), Buffer) != FBuffers.end())
        return;
    FBuffers.push_back(Buffer);
    if (!FBaseContext)
        FBaseContext = FBuffers.front()->RenderingContext();
    if (FBuffers.size() > 1 && FBaseContext && Buffer->RenderingContext())
        Buffer->RenderingContext()->ShareLists(*FBaseContext);
}

void T3DScene::RemoveBuffer(T3DSceneBuffer* Buffer)
{
    const auto found = std::find(FBuffers.begin(), FBuffers.end(), Buffer);
    if (found == FBuffers.end())
        return;
    FBuffers.erase(found);
    if (FCurrentBuffer == Buffer)
        FCurrentBuffer = nullptr;
    FBaseContext = FBuffers.empty() ? nullptr : FBuffers.front()->RenderingContext();
}

void T3DScene::Progress(double DeltaTime, double NewTime)
{
    const TProgressTimeInfo progressTime{DeltaTime, NewTime};
    FObjects->AdvanceTime(progressTime);
    FCameras->AdvanceTime(progressTime);
    if (FOnProgress)
        FOnProgress(this, DeltaTime, NewTime);
}

namespace {

struct TRayWinner {
    T3DBaseSceneObject* Object = nullptr;
    float SquareDistance = 1e20f;
    TVector Point;
    TVector Normal;
};

void CastRayThrough(const T3DBaseSceneObject& Parent, const TVector& RayStart, const TVector& RayVector,
                    TRayWinner& Winner)
{
    for (int i = 0; i < Parent.GetChildCount(); ++i) {
        T3DBaseSceneObject* object = Parent.GetChild(i);
        if (!object->Visible())
            continue;
        TVector point;
        TVector normal;
        if (object->IntersectRay(RayStart, RayVector, &point, &normal)) {
            const float squareDistance = VectorDistance2(AffineVectorMake(RayStart), AffineVectorMake(point));
            if (squareDistance < Winner.SquareDistance)
                Winner = {object, squareDistance, point, normal};
        }
        CastRayThrough(*object, RayStart, RayVector, Winner);
    }
}

} // namespace

T3DBaseSceneObject* T3DScene::CastRay(const TVector& RayStart, const TVector& RayVector, TVector* Point,
                                      TVector* Normal) const
{
    TRayWinner winner;
    CastRayThrough(*FObjects, RayStart, RayVector, winner);
    if (winner.Object) {
        if (Point)
            *Point = winner.Point;
        if (Normal)
            *Normal = winner.Normal;
    }
    return winner.Object;
}

void T3DScene::SetObjectsSorting(T3DObjectsSorting Value)
{
    if (Value == osInherited)
        Value = osRenderBlendedLast;
    if (StoreChange(FObjectsSorting, Value))
        NotifyChange(this);
}

void T3DScene::SetVisibilityCulling(T3DVisibilityCulling Value)
{
    if (Value == vcInherited)
        Value = vcNone;
    if (StoreChange(FVisibilityCulling, Value))
        NotifyChange(this);
}

void T3DScene::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const
{
    FObjects->GetChildren(Proc, Root);
    FCameras->GetChildren(Proc, Root);
}
