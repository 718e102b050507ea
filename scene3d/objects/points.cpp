#include "scene3d/objects/points.h"

#include <algorithm>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/storechange.h"
#include "scene3d/lists/vectorlists.h"
#include "scene3d/objects/pointparameters.h"
#include "scene3d/opengl/glcapabilities.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DPoints, T3DImmaterialSceneObject)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DPoints::Hint, &T3DPoints::SetHint);
    P.Property("NoZWrite", &T3DPoints::NoZWrite, &T3DPoints::SetNoZWrite).Default(0);
    P.Property("Static", &T3DPoints::Static, &T3DPoints::SetStatic).Default(0);
    P.Property("Size", &T3DPoints::Size, &T3DPoints::SetSize).DefaultFloat(1);
    P.Property("Style", &T3DPoints::Style, &T3DPoints::SetStyle).Default(psSquare);
    P.Property("PointParameters", &T3DPoints::PointParameters);
}

namespace {

constexpr TVector White = {1, 1, 1, 1};
// Above this many points the vertex array is locked while it is drawn.
constexpr int LockedArrayThreshold = 64;

bool IsPointStyle(T3DPointStyle Style)
{
    return Style >= psSquare && Style <= psSquareAdditive;
}

// Point smoothing, alpha test and blending of the style.
void ApplyPointStyle(T3DPointStyle Style)
{
    const bool smooth = Style == psRound || Style == psSmooth || Style == psSmoothAdditive;
    if (smooth) {
        GL.glEnable(GL_POINT_SMOOTH);
        GL.glEnable(GL_ALPHA_TEST);
        if (Style == psRound)
            GL.glAlphaFunc(GL_GREATER, 0.5f);
        else
            GL.glAlphaFunc(GL_NOTEQUAL, 0);
    } else {
        GL.glDisable(GL_POINT_SMOOTH);
    }
    switch (Style) {
    case psSmooth:
        GL.glEnable(GL_BLEND);
        GL.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        break;
    case psSmoothAdditive:
    case psSquareAdditive:
        GL.glEnable(GL_BLEND);
        GL.glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        break;
    default:
        GL.glDisable(GL_BLEND);
    }
}

} // namespace

T3DPoints::T3DPoints(TComponent* AOwner)
    : T3DImmaterialSceneObject(AOwner),
      FPointParameters(std::make_unique<T3DPointParameters>(this)),
      FPositions(std::make_unique<TAffineVectorList>()),
      FColors(std::make_unique<TVectorList>())
{
    SetObjectStyle({sfDirectDraw, sfNoVisibilityCulling});
}

T3DPoints::~T3DPoints() = default;

void T3DPoints::SetNoZWrite(bool Value)
{
    if (StoreChange(FNoZWrite, Value))
        ListInvalidated();
}

void T3DPoints::SetStatic(bool Value)
{
    if (!StoreChange(FStatic, Value))
        return;
    TSceneObjectStyleFlags style = ObjectStyle();
    if (FStatic)
        style.Exclude(sfDirectDraw);
    else
        style.Include(sfDirectDraw);
    SetObjectStyle(style);
    ListInvalidated();
}

void T3DPoints::SetSize(float Value)
{
    if (StoreChange(FSize, Value))
        ListInvalidated();
}

void T3DPoints::SetStyle(T3DPointStyle Value)
{
    EngineAssert(IsPointStyle(Value));
    if (StoreChange(FStyle, Value))
        ListInvalidated();
}

void T3DPoints::SetPositions(const TAffineVectorList& Value)
{
    FPositions->Assign(&Value);
    ListInvalidated();
}

void T3DPoints::SetColors(const TVectorList& Value)
{
    FColors->Assign(&Value);
    ListInvalidated();
}

void T3DPoints::CompileList(TRenderContextInfo&)
{
    GL.glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_POINT_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    GL.glDisable(GL_LIGHTING);
    if (FNoZWrite)
        GL.glDepthMask(GL_FALSE);
    GL.glPointSize(FSize);
    ApplyPointStyle(FStyle);
    FPointParameters->Apply();
    DrawPositions();
    FPointParameters->UnApply();
    GL.glPopAttrib();
    GL.glAlphaFunc(GL_GREATER, 0);
}

void T3DPoints::DrawPositions() const
{
    const int colors = FColors->Count();
    const TVector& firstColor = colors > 0 ? FColors->Items(0) : White;
    if (FPositions->Count() == 0) {
        GL.glColor4fv(&firstColor.X);
        GL.glBegin(GL_POINTS);
        GL.glVertex3f(0, 0, 0);
        GL.glEnd();
        return;
    }
    int count = FPositions->Count();
    GL.glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    GL.glEnableClientState(GL_VERTEX_ARRAY);
    GL.glVertexPointer(3, GL_FLOAT, 0, FPositions->List());
    if (colors > 1) {
        count = std::min(count, colors);
        GL.glEnableClientState(GL_COLOR_ARRAY);
        GL.glColorPointer(4, GL_FLOAT, 0, FColors->List());
    } else {
        GL.glColor4fv(&firstColor.X);
    }
    const bool locked = count > LockedArrayThreshold && GLCaps.EXT_compiled_vertex_array;
    if (locked)
        GL.glLockArraysEXT(0, count);
    GL.glDrawArrays(GL_POINTS, 0, count);
    if (locked)
        GL.glUnlockArraysEXT();
    GL.glPopClientAttrib();
}
