#pragma once
// The record one render pass hands to everything it draws: where the pass
// looks from, what it draws for (a frame or a pick), how children are
// culled and ordered, the state cache of the buffer drawn into and what the
// pass asks of materials. The buffer fills it anew for every pass; objects
// that draw their children change the culling and sorting for the time
// they do, and put them back.
#include <functional>
#include <optional>

#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/vectortypes.h"
#include "scene3d/scene/sceneobjecttypes.h"

class T3DScene;
class T3DSceneBuffer;
class T3DSelectionNames;
class T3DStateCache;
class TObject;

// What a pass draws for: the frame shown, or OpenGL selection (picking).
enum TRenderMode { rmRendering, rmPicking };

struct TRenderContextInfo {
    T3DScene* Scene = nullptr;
    T3DSceneBuffer* Buffer = nullptr;
    TRenderMode DrawState = rmRendering;

    // The camera's absolute position (a point).
    TVector CameraPosition = NullHmgPoint;
    // The model-view matrix right after the camera was applied.
    TMatrix ViewMatrix = IdentityHmgMatrix;
    // The view: the camera frustum's six planes in world coordinates, the
    // viewport in pixels, the radius of the view at unit distance, the far
    // clipping distance and the pixels per inch of the pass.
    TFrustumPlanes Frustum;
    int ViewPortWidth = 0;
    int ViewPortHeight = 0;
    float ViewPortRadius = 0;
    float FarClippingDistance = 0;
    int RenderDPI = 96;
    // The buffer's ambient colour.
    TVector SceneAmbientColor = {0.2f, 0.2f, 0.2f, 1};

    // The order children are drawn in and which are left out, as the object
    // drawing them asks (the scene's settings to start with).
    T3DObjectsSorting ObjectsSorting = osRenderBlendedLast;
    T3DVisibilityCulling VisibilityCulling = vcNone;

    // While picking: the table that names every object drawn. Names are
    // pushed onto the name stack instead of replacing its top while an
    // object draws another under its own name.
    T3DSelectionNames* SelectionNames = nullptr;
    bool PushNames = false;
    // A display list is being recorded: objects emit their geometry
    // directly, since lists do not nest.
    bool Amalgamating = false;
    // Objects draw without their materials.
    bool IgnoreMaterials = false;

    // The buffer's OpenGL state cache.
    T3DStateCache* StateCache = nullptr;
    // How many applied materials hold lighting (fog) switched off; the
    // outermost one switches it on again when it reverts.
    int LightingOffCount = 0;
    int FogOffCount = 0;
    // The buffer culls back faces unless a material says otherwise.
    bool BufferFaceCulling = false;
    // Materials leave the blending and alpha-test state alone.
    bool BlendingForbidden = false;

    // What cube-map textures turn with: the model-view matrix of the object
    // drawn, the camera's direction and up vector, and the absolute matrix
    // of the scene's first light when it has one.
    TMatrix ModelViewMatrix = IdentityHmgMatrix;
    TVector CameraDirection = {0, 0, -1, 0};
    TVector CameraUp = {0, 1, 0, 0};
    std::optional<TMatrix> FirstLightMatrix;
};

// Drawing by the program's own OpenGL calls for Sender in the pass Rci.
using TDirectRenderEvent = std::function<void(TObject* Sender, TRenderContextInfo& Rci)>;
