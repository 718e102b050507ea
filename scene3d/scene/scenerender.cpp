// The scene's half of a pass: the pass record filled from the buffer and
// its camera, the scene drawn, and the state the pass leaves for the next.
#include <GL/gl.h>

#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/geometry/frustum.h"
#include "scene3d/geometry/matrixarithmetic.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/materials/color.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/camera.h"
#include "scene3d/scene/lightsource.h"
#include "scene3d/scene/scene.h"
#include "scene3d/scene/sceneroot.h"
#include "scene3d/state/statecache.h"

namespace {

void SetColorWrites(bool On)
{
    const GLboolean value = On ? GL_TRUE : GL_FALSE;
    GL.glColorMask(value, value, value, value);
}

} // namespace

void T3DScene::RenderScene(T3DSceneBuffer* Buffer, int ViewportWidth, int ViewportHeight, TRenderMode DrawState,
                           T3DBaseSceneObject* BaseObject)
{
    FCurrentBuffer = Buffer;
    TRenderContextInfo rci;
    rci.Scene = this;
    rci.Buffer = Buffer;
    rci.DrawState = DrawState;
    rci.ObjectsSorting = FObjectsSorting;
    rci.VisibilityCulling = FVisibilityCulling;
    rci.BufferFaceCulling = Buffer->FaceCulling();
    rci.SceneAmbientColor = Buffer->AmbientColor()->Color();
    rci.CameraPosition = Buffer->CameraAbsolutePosition();
    rci.ViewMatrix = Buffer->ViewMatrix();
    if (const T3DCamera* camera = Buffer->Camera()) {
        TVector direction = camera->LastDirection();
        direction.W = 0;
        NormalizeVector(direction);
        rci.CameraDirection = direction;
        TVector up = VectorCrossProduct(VectorCrossProduct(direction, camera->AbsoluteUp()), direction);
        up.W = 0;
        NormalizeVector(up);
        rci.CameraUp = up;
        rci.ViewPortRadius = camera->ViewPortRadius();
        rci.FarClippingDistance = camera->NearPlane() + camera->DepthOfView();
    }
    rci.ViewPortWidth = ViewportWidth;
    rci.ViewPortHeight = ViewportHeight;
    rci.Frustum =
        ExtractFrustumFromModelViewProjection(MatrixMultiply(Buffer->ViewMatrix(), Buffer->ProjectionMatrix()));
    rci.ModelViewMatrix = Buffer->ViewMatrix();
    for (const T3DLightSource* light : FLights)
        if (light) {
            rci.FirstLightMatrix = light->AbsoluteMatrix();
            break;
        }
    rci.RenderDPI = Buffer->RenderDPI();
    rci.StateCache = &Buffer->StateCache();
    if (DrawState == rmPicking) {
        rci.SelectionNames = &Buffer->SelectionNames();
        rci.IgnoreMaterials = true;
    }
    rci.StateCache->ResetAll();
    SetColorWrites(!Buffer->ContextOptions().Contains(roNoColorBuffer) && DrawState != rmPicking);
    if (Buffer->InitiateRendering())
        Buffer->InitiateRendering()(Buffer, rci);
    {
        const TDeferredDisables deferred(*rci.StateCache);
        (BaseObject ? BaseObject : FObjects.get())->Render(rci);
    }
    SetColorWrites(true);
    if (Buffer->WrapUpRendering())
        Buffer->WrapUpRendering()(Buffer, rci);
    T3DStateCache& cache = *rci.StateCache;
    cache.Disable(ccBlend);
    cache.Disable(ccTexture2D);
    cache.Disable(ccTextureRect);
    cache.Enable(ccAlphaTest);
    GL.glAlphaFunc(GL_GREATER, 0);
}
