#include "scene3d/objects/plane.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/storechange.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DPlane, T3DSceneObject)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DPlane::Hint, &T3DPlane::SetHint);
    P.Property("Material", &T3DPlane::Material);
    P.Property("Width", &T3DPlane::Width, &T3DPlane::SetWidth).DefaultFloat(1);
    P.Property("Height", &T3DPlane::Height, &T3DPlane::SetHeight).DefaultFloat(1);
    P.Property("XOffset", &T3DPlane::XOffset, &T3DPlane::SetXOffset).DefaultFloat(0);
    P.Property("XScope", &T3DPlane::XScope, &T3DPlane::SetXScope).DefaultFloat(1);
    P.Property("XTiles", &T3DPlane::XTiles, &T3DPlane::SetXTiles).Default(1);
    P.Property("YOffset", &T3DPlane::YOffset, &T3DPlane::SetYOffset).DefaultFloat(0);
    P.Property("YScope", &T3DPlane::YScope, &T3DPlane::SetYScope).DefaultFloat(1);
    P.Property("YTiles", &T3DPlane::YTiles, &T3DPlane::SetYTiles).Default(1);
    P.Property("Style", &T3DPlane::Style, &T3DPlane::SetStyle)
        .Default(static_cast<int64_t>(TPlaneStyles{psSingleQuad, psTileTexture}.Bits()));
    P.Property("NoZWrite", &T3DPlane::NoZWrite, &T3DPlane::SetNoZWrite).Default(0);
}

namespace {

template <class T>
void StoreGeometry(T3DPlane& Plane, T& Field, T Value)
{
    if (StoreChange(Field, Value))
        Plane.ListInvalidated();
}

} // namespace

T3DPlane::T3DPlane(TComponent* AOwner) : T3DSceneObject(AOwner)
{
    SetObjectStyle({sfDirectDraw});
}

void T3DPlane::SetWidth(float Value)
{
    StoreGeometry(*this, FWidth, Value);
}

void T3DPlane::SetHeight(float Value)
{
    StoreGeometry(*this, FHeight, Value);
}

void T3DPlane::SetXOffset(float Value)
{
    StoreGeometry(*this, FXOffset, Value);
}

void T3DPlane::SetYOffset(float Value)
{
    StoreGeometry(*this, FYOffset, Value);
}

void T3DPlane::SetXScope(float Value)
{
    StoreGeometry(*this, FXScope, std::min(Value, 1.0f));
}

void T3DPlane::SetYScope(float Value)
{
    StoreGeometry(*this, FYScope, std::min(Value, 1.0f));
}

void T3DPlane::SetXTiles(uint32_t Value)
{
    StoreGeometry(*this, FXTiles, Value);
}

void T3DPlane::SetYTiles(uint32_t Value)
{
    StoreGeometry(*this, FYTiles, Value);
}

void T3DPlane::SetStyle(TPlaneStyles Value)
{
    StoreGeometry(*this, FStyle, Value);
}

void T3DPlane::SetNoZWrite(bool Value)
{
    if (StoreChange(FNoZWrite, Value))
        NotifyChange(this);
}

TVector T3DPlane::GetHalfExtents() const
{
    return {std::abs(FWidth) / 2, std::abs(FHeight) / 2, 0, 0};
}

bool T3DPlane::IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                            TVector* IntersectNormal) const
{
    const TMatrix& toLocal = InvAbsoluteMatrix();
    const TVector start = VectorTransform(PointMake(AffineVectorMake(RayStart)), toLocal);
    const TVector along = VectorTransform(DirectionMake(AffineVectorMake(RayVector)), toLocal);
    if (along.Z == 0)
        return false;
    const float t = -start.Z / along.Z;
    if (!(t >= 0))
        return false;
    const float x = start.X + t * along.X;
    const float y = start.Y + t * along.Y;
    if (!(std::abs(x) <= std::abs(FWidth) / 2 && std::abs(y) <= std::abs(FHeight) / 2))
        return false;
    if (IntersectPoint)
        *IntersectPoint = ToAbsoluteSpace({x, y, 0, 1});
    if (IntersectNormal) {
        // The plane's normal in the world is column 2 of the inverse
        // absolute matrix, square to the plane also under uneven scales.
        TAffineVector normal = {toLocal[0].Z, toLocal[1].Z, toLocal[2].Z};
        NormalizeVector(normal);
        *IntersectNormal = DirectionMake(start.Z < 0 ? VectorNegate(normal) : normal);
    }
    return true;
}

void T3DPlane::CompileList(TRenderContextInfo&)
{
    float s1 = FXScope;
    float t1 = FYScope;
    if (FStyle.Contains(psTileTexture)) {
        s1 = static_cast<float>(FXTiles) * FXScope + FXOffset;
        t1 = static_cast<float>(FYTiles) * FYScope + FYOffset;
    }
    if (FNoZWrite)
        GL.glDepthMask(GL_FALSE);
    GL.glNormal3f(0, 0, 1);
    if (FStyle.Contains(psSingleQuad)) {
        const float x = FWidth / 2;
        const float y = FHeight / 2;
        GL.glBegin(GL_QUADS);
        MultiTexGL.TexCoord2f(FXOffset, FYOffset);
        GL.glVertex3f(-x, -y, 0);
        MultiTexGL.TexCoord2f(s1, FYOffset);
        GL.glVertex3f(x, -y, 0);
        MultiTexGL.TexCoord2f(s1, t1);
        GL.glVertex3f(x, y, 0);
        MultiTexGL.TexCoord2f(FXOffset, t1);
        GL.glVertex3f(-x, y, 0);
        GL.glEnd();
    } else {
        DrawTiles(s1, t1);
    }
    if (FNoZWrite)
        GL.glDepthMask(GL_TRUE);
}

// One quad strip per row of tiles, from the bottom; each column's upper
// vertex comes first, which winds the quads counter-clockwise seen from +Z.
void T3DPlane::DrawTiles(float S1, float T1) const
{
    if (FXTiles == 0 || FYTiles == 0)
        return;
    const auto vertex = [&](double U, double V) {
        MultiTexGL.TexCoord2f(static_cast<float>(FXOffset + (S1 - FXOffset) * U),
                              static_cast<float>(FYOffset + (T1 - FYOffset) * V));
        GL.glVertex3f(static_cast<float>(FWidth * (U - 0.5)), static_cast<float>(FHeight * (V - 0.5)), 0);
    };
    for (uint32_t row = 0; row < FYTiles; ++row) {
        const double low = static_cast<double>(row) / FYTiles;
        const double high = static_cast<double>(row + 1) / FYTiles;
        GL.glBegin(GL_QUAD_STRIP);
        for (uint64_t column = 0; column <= FXTiles; ++column) {
            const double u = static_cast<double>(column) / FXTiles;
            vertex(u, high);
            vertex(u, low);
        }
        GL.glEnd();
    }
}
