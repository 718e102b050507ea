#include "scene3d/objects/customsceneobject.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/storechange.h"
#include "scene3d/buffer/scenebuffer.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/rendercontextinfo.h"

LT_IMPLEMENT_CLASS(T3DCustomSceneObject, T3DBaseSceneObject) {}
LT_IMPLEMENT_CLASS(T3DSceneObject, T3DCustomSceneObject) {}
LT_IMPLEMENT_CLASS(T3DImmaterialSceneObject, T3DCustomSceneObject) {}
LT_IMPLEMENT_CLASS(T3DCameraInvariantObject, T3DImmaterialSceneObject) {}

T3DCustomSceneObject::T3DCustomSceneObject(TComponent* AOwner)
    : T3DBaseSceneObject(AOwner), FMaterial(std::make_unique<T3DMaterial>(this))
{
}

T3DCustomSceneObject::~T3DCustomSceneObject() = default;

void T3DCustomSceneObject::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DCustomSceneObject*>(Source)) {
        FMaterial->Assign(source->FMaterial.get());
        FHint = source->FHint;
    }
    T3DBaseSceneObject::Assign(Source);
}

bool T3DCustomSceneObject::IsBlended() const
{
    return FMaterial->IsBlended();
}

void T3DCustomSceneObject::DestroyListHandle()
{
    T3DBaseSceneObject::DestroyListHandle();
    FMaterial->ReleaseTextureHandle();
}

void T3DCustomSceneObject::DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren)
{
    if (RenderSelf) {
        if (Rci.IgnoreMaterials) {
            DrawSelf(Rci);
        } else {
            FMaterial->Apply(Rci);
            do
                DrawSelf(Rci);
            while (FMaterial->Revert(Rci));
        }
    }
    if (RenderChildren)
        DrawChildren(0, GetChildCount() - 1, Rci);
}

void T3DSceneObject::SetMaterial(const T3DMaterial* Value)
{
    Material()->Assign(Value);
    NotifyChange(this);
}

void T3DImmaterialSceneObject::DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren)
{
    T3DBaseSceneObject::DrawObject(Rci, RenderSelf, RenderChildren);
}

void T3DCameraInvariantObject::SetCamInvarianceMode(T3DCameraInvarianceMode Value)
{
    if (StoreChange(FCamInvarianceMode, Value))
        NotifyChange(this);
}

void T3DCameraInvariantObject::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DCameraInvariantObject*>(Source))
        FCamInvarianceMode = source->FCamInvarianceMode;
    T3DImmaterialSceneObject::Assign(Source);
}

void T3DCameraInvariantObject::DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren)
{
    if (FCamInvarianceMode == cimNone) {
        T3DImmaterialSceneObject::DrawObject(Rci, RenderSelf, RenderChildren);
        return;
    }
    EngineAssert(FCamInvarianceMode == cimPosition || FCamInvarianceMode == cimOrientation);
    GL.glPushMatrix();
    if (FCamInvarianceMode == cimPosition) {
        GL.glLoadMatrixf(&Rci.ViewMatrix[0].X);
        GL.glTranslatef(Rci.CameraPosition.X, Rci.CameraPosition.Y, Rci.CameraPosition.Z);
    } else {
        GL.glLoadIdentity();
        GL.glScalef(1, -1, -1);
    }
    GL.glMultMatrixf(&LocalMatrix()[0].X);
    // The buffer keeps the model-view matrix the object draws under (and
    // the pass record hands it to what turns with it) until it is done.
    TMatrix modelView;
    GL.glGetFloatv(GL_MODELVIEW_MATRIX, &modelView[0].X);
    const TMatrix outerModelView = Rci.ModelViewMatrix;
    if (Rci.Buffer)
        Rci.Buffer->PushModelViewMatrix(modelView);
    Rci.ModelViewMatrix = modelView;
    const auto restore = [&] {
        Rci.ModelViewMatrix = outerModelView;
        if (Rci.Buffer)
            Rci.Buffer->PopModelViewMatrix();
        GL.glPopMatrix();
    };
    try {
        T3DImmaterialSceneObject::DrawObject(Rci, RenderSelf, RenderChildren);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}
