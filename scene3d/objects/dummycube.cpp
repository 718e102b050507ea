#include "scene3d/objects/dummycube.h"

#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/storechange.h"
#include "scene3d/context/contexthandles.h"
#include "scene3d/materials/color.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/render/listrecording.h"
#include "scene3d/render/rendercontextinfo.h"
#include "scene3d/scene/publishsceneobject.h"
#include "scene3d/state/statecache.h"

LT_IMPLEMENT_CLASS(T3DDummyCube, T3DCameraInvariantObject)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DDummyCube::Hint, &T3DDummyCube::SetHint);
    P.Property("CamInvarianceMode", &T3DDummyCube::CamInvarianceMode, &T3DDummyCube::SetCamInvarianceMode)
        .Default(cimNone);
    P.Property("CubeSize", &T3DDummyCube::CubeSize, &T3DDummyCube::SetCubeSize).DefaultFloat(1);
    P.Property("EdgeColor", &T3DDummyCube::EdgeColor);
    P.Property("VisibleAtRunTime", &T3DDummyCube::VisibleAtRunTime, &T3DDummyCube::SetVisibleAtRunTime)
        .Default(0);
    P.Property("Amalgamate", &T3DDummyCube::Amalgamate, &T3DDummyCube::SetAmalgamate).Default(0);
    P.Property("OnVisibilityDetermination", &T3DDummyCube::OnVisibilityDetermination,
               &T3DDummyCube::SetOnVisibilityDetermination);
}

namespace {

// The 12 edges of the cube from -H to H on each axis.
void DrawCubeEdges(float H)
{
    GL.glBegin(GL_LINES);
    for (const float a : {-H, H}) {
        for (const float b : {-H, H}) {
            GL.glVertex3f(-H, a, b);
            GL.glVertex3f(H, a, b);
            GL.glVertex3f(a, -H, b);
            GL.glVertex3f(a, H, b);
            GL.glVertex3f(a, b, -H);
            GL.glVertex3f(a, b, H);
        }
    }
    GL.glEnd();
}

} // namespace

T3DDummyCube::T3DDummyCube(TComponent* AOwner)
    : T3DCameraInvariantObject(AOwner), FEdgeColor(std::make_unique<T3DColor>(this, TVector{1, 1, 1, 1}, nullptr))
{
    SetObjectStyle({sfDirectDraw});
}

T3DDummyCube::~T3DDummyCube() = default;

void T3DDummyCube::SetCubeSize(float Value)
{
    if (StoreChange(FCubeSize, Value))
        ListInvalidated();
}

void T3DDummyCube::SetEdgeColor(const T3DColor* Value)
{
    if (Value == FEdgeColor.get())
        return;
    FEdgeColor->Assign(Value);
    ListInvalidated();
}

void T3DDummyCube::SetVisibleAtRunTime(bool Value)
{
    if (StoreChange(FVisibleAtRunTime, Value))
        ListInvalidated();
}

void T3DDummyCube::SetAmalgamate(bool Value)
{
    if (!StoreChange(FAmalgamate, Value))
        return;
    TSceneObjectStyleFlags style = ObjectStyle();
    if (FAmalgamate) {
        style.Include(sfAltersColorsOrWinding);
    } else {
        FGroupList.reset();
        style.Exclude(sfAltersColorsOrWinding);
    }
    SetObjectStyle(style);
    ListInvalidated();
}

void T3DDummyCube::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DDummyCube*>(Source)) {
        FCubeSize = source->FCubeSize;
        FEdgeColor->SetColorSilently(source->FEdgeColor->Color());
        FVisibleAtRunTime = source->FVisibleAtRunTime;
        NotifyChange(this);
    }
    T3DCameraInvariantObject::Assign(Source);
}

TVector T3DDummyCube::GetHalfExtents() const
{
    const float half = std::abs(FCubeSize) / 2;
    return {half, half, half, 0};
}

bool T3DDummyCube::IntersectRay(const TVector&, const TVector&, TVector*, TVector*) const
{
    return false;
}

TVector T3DDummyCube::CenterPoint() const
{
    const int count = GetChildCount();
    if (count == 0)
        return AbsolutePosition();
    TVector sum = {0, 0, 0, 0};
    for (int i = 0; i < count; ++i) {
        const TVector centre = GetChild(i)->CenterPoint();
        for (int k = 0; k < 4; ++k)
            sum[k] += centre[k];
    }
    for (int k = 0; k < 4; ++k)
        sum[k] /= static_cast<float>(count);
    return sum;
}

void T3DDummyCube::ListInvalidated()
{
    if (FAmalgamate)
        FGroupList.reset();
    T3DCameraInvariantObject::ListInvalidated();
}

void T3DDummyCube::DrawObject(TRenderContextInfo& Rci, bool RenderSelf, bool RenderChildren)
{
    if (FOnVisibilityDetermination && !FOnVisibilityDetermination(this, Rci))
        return;
    if (!FAmalgamate || Rci.Amalgamating) {
        T3DCameraInvariantObject::DrawObject(Rci, RenderSelf, RenderChildren);
        return;
    }
    if (!FGroupList)
        FGroupList = std::make_unique<T3DListHandle>();
    if (FGroupList->Handle() == 0) {
        FGroupList->AllocateHandle();
        EngineAssert(FGroupList->Handle() != 0, "Handle=0 for " + ClassName());
        const TListRecording recording(FGroupList->Handle(), Rci);
        T3DCameraInvariantObject::DrawObject(Rci, true, true);
    }
    GL.glCallList(FGroupList->Handle());
}

void T3DDummyCube::CompileList(TRenderContextInfo& Rci)
{
    if (!ComponentState().Contains(csDesigning) && !FVisibleAtRunTime)
        return;
    GL.glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT | GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    GL.glDisable(GL_LIGHTING);
    GL.glEnable(GL_LINE_SMOOTH);
    GL.glLineWidth(1);
    GL.glEnable(GL_LINE_STIPPLE);
    GL.glLineStipple(1, 0xCCCC);
    GL.glEnable(GL_BLEND);
    GL.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    Rci.StateCache->ResetMaterials();
    GL.glColorMaterial(GL_FRONT, GL_EMISSION);
    GL.glEnable(GL_COLOR_MATERIAL);
    GL.glColor4fv(&FEdgeColor->Color().X);
    DrawCubeEdges(FCubeSize / 2);
    GL.glPopAttrib();
}
