#pragma once
// The scene component: the root of the objects and the root of the cameras,
// the eight light slots, the scene-wide sorting and culling defaults and the
// update count that batches change notifications. Objects placed under the
// scene in a stored description become children of its object root, cameras
// children of its camera root; the scene steps its objects in time, answers
// ray casts and turns its lights into OpenGL lights.
#include <array>
#include <memory>
#include <vector>

#include "scene3d/base/updateable.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/scene/sceneobjecttypes.h"
#include "scene3d/geometry/vectortypes.h"

class T3DBaseSceneObject;
class T3DCamera;
class T3DContext;
class T3DSceneBuffer;
class T3DLightSource;
class T3DSceneRootObject;

class T3DScene : public T3DUpdateAbleComponent {
    LT_CLASS(T3DScene)
public:
    static constexpr int MaxLights = 8;

    // Roots named "ObjectRoot" and "CameraRoot", eight empty light slots.
    explicit T3DScene(TComponent* AOwner);
    // Counts as updating from the start, so that nothing its objects do
    // while they go is passed on; frees the display lists of the objects,
    // then the camera root, then the object root, and with them every
    // object of the scene.
    ~T3DScene() override;

    T3DSceneRootObject* Objects() const { return FObjects.get(); }
    T3DSceneRootObject* Cameras() const { return FCameras.get(); }

    // The light in Slot (0 .. 7), or nullptr.
    T3DLightSource* Lights(int Slot) const;
    // The slot of Light, or -1.
    int LightSlotOf(const T3DBaseSceneObject* Light) const;
    // Light takes the first empty slot; with all eight taken, none. A light
    // already in a slot keeps it.
    void AddLight(T3DLightSource* Light);
    void RemoveLight(const T3DBaseSceneObject* Light);
    // The same for every light in Object's subtree, Object included.
    void AddLights(T3DBaseSceneObject* Object);
    void RemoveLights(const T3DBaseSceneObject* Object);
    // Before a pass, with the view matrix as the model-view matrix: the
    // shining lights of the first min(8, MaxLights) slots become the GL
    // lights of their slots, in the view's coordinates; every other GL
    // light below MaxLights is switched off.
    void SetupLights(int MaxLights) const;

    // The camera the pass being drawn looks through; forgotten when freed.
    T3DCamera* CurrentCamera() const { return FCurrentCamera; }
    void SetCurrentCamera(T3DCamera* Value);

    // The buffers showing the scene, in the order they registered (at their
    // first frame). The first one's context is the base context; the
    // contexts of the others share their lists and textures with it.
    const std::vector<T3DSceneBuffer*>& Buffers() const { return FBuffers; }
    void AddBuffer(T3DSceneBuffer* Buffer);
    void RemoveBuffer(T3DSceneBuffer* Buffer);
    T3DContext* BaseContext() const { return FBaseContext; }
    // The buffer whose pass is drawing the scene.
    T3DSceneBuffer* CurrentBuffer() const { return FCurrentBuffer; }
    // The pass record for Buffer filled from its camera and settings, and
    // the scene drawn from BaseObject (the object root when nullptr).
    void RenderScene(T3DSceneBuffer* Buffer, int ViewportWidth, int ViewportHeight, TRenderMode DrawState,
                     T3DBaseSceneObject* BaseObject);

    void BeginUpdate() { ++FUpdateCount; }
    // Without its BeginUpdate: "Assertion failure". The last one calls
    // NotifyChange.
    void EndUpdate();
    // Inside BeginUpdate/EndUpdate, while loading and while being destroyed.
    bool IsUpdating() const;
    // Where the changes of the scene's objects arrive: passed on to every
    // buffer unless updating.
    void NotifyChange(TObject* Sender) override;

    // Steps the objects, then the cameras, then raises OnProgress.
    void Progress(double DeltaTime, double NewTime);
    // The visible object (a hidden one hides its subtree) whose IntersectRay
    // hit lies nearest to RayStart, with that hit's point and normal when
    // asked for; nullptr when the ray meets none.
    T3DBaseSceneObject* CastRay(const TVector& RayStart, const TVector& RayVector, TVector* Point,
                                TVector* Normal) const;

    T3DObjectsSorting ObjectsSorting() const { return FObjectsSorting; }
    // osInherited is taken as osRenderBlendedLast.
    void SetObjectsSorting(T3DObjectsSorting Value);
    T3DVisibilityCulling VisibilityCulling() const { return FVisibilityCulling; }
    // vcInherited is taken as vcNone.
    void SetVisibilityCulling(T3DVisibilityCulling Value);
    const T3DProgressEvent& OnProgress() const { return FOnProgress; }
    void SetOnProgress(T3DProgressEvent Value) { FOnProgress = std::move(Value); }

    // The children of the object root, then those of the camera root.
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::array<T3DLightSource*, MaxLights> FLights{};
    T3DCamera* FCurrentCamera = nullptr;
    std::vector<T3DSceneBuffer*> FBuffers;
    T3DContext* FBaseContext = nullptr;
    T3DSceneBuffer* FCurrentBuffer = nullptr;
    std::unique_ptr<T3DSceneRootObject> FObjects;
    std::unique_ptr<T3DSceneRootObject> FCameras;
    int FUpdateCount = 0;
    bool FDestroying = false;
    T3DObjectsSorting FObjectsSorting = osRenderBlendedLast;
    T3DVisibilityCulling FVisibilityCulling = vcNone;
    T3DProgressEvent FOnProgress;
};

// BeginUpdate of a scene for as long as it lives; nothing for nullptr.
class T3DSceneUpdate {
public:
    explicit T3DSceneUpdate(T3DScene* Scene) : FScene(Scene)
    {
        if (FScene)
            FScene->BeginUpdate();
    }
    ~T3DSceneUpdate()
    {
        if (FScene)
            FScene->EndUpdate();
    }
    T3DSceneUpdate(const T3DSceneUpdate&) = delete;
    T3DSceneUpdate& operator=(const T3DSceneUpdate&) = delete;

private:
    T3DScene* FScene;
};
