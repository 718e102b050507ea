#include "scene3d/objects/sphere.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/storechange.h"
#include "scene3d/geometry/angles.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DSphere, T3DQuadricObject)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DSphere::Hint, &T3DSphere::SetHint);
    P.Property("Material", &T3DSphere::Material);
    P.Property("Normals", &T3DSphere::Normals, &T3DSphere::SetNormals).Default(nsSmooth);
    P.Property("NormalDirection", &T3DSphere::NormalDirection, &T3DSphere::SetNormalDirection).Default(ndOutside);
    P.Property("Radius", &T3DSphere::Radius, &T3DSphere::SetRadius).DefaultFloat(0.5);
    P.Property("Slices", &T3DSphere::Slices, &T3DSphere::SetSlices).Default(16);
    P.Property("Stacks", &T3DSphere::Stacks, &T3DSphere::SetStacks).Default(16);
    P.Property("Top", &T3DSphere::Top, &T3DSphere::SetTop).DefaultFloat(90);
    P.Property("Bottom", &T3DSphere::Bottom, &T3DSphere::SetBottom).DefaultFloat(-90);
    P.Property("Start", &T3DSphere::Start, &T3DSphere::SetStart).DefaultFloat(0);
    P.Property("Stop", &T3DSphere::Stop, &T3DSphere::SetStop).DefaultFloat(360);
    P.Property("TopCap", &T3DSphere::TopCap, &T3DSphere::SetTopCap).Default(ctNone);
    P.Property("BottomCap", &T3DSphere::BottomCap, &T3DSphere::SetBottomCap).Default(ctNone);
}

namespace {

// The outward unit normal at a latitude and longitude (radians): +Y at the
// north pole, +X at longitude 0, -Z at longitude 90 degrees.
TAffineVector SurfaceNormal(double Latitude, double Longitude)
{
    const double c = std::cos(Latitude);
    return {static_cast<float>(c * std::cos(Longitude)), static_cast<float>(std::sin(Latitude)),
            static_cast<float>(-c * std::sin(Longitude))};
}

void StoreAngle(T3DSphere& Sphere, float& Field, float Value, float Low, float High)
{
    EngineAssert(Value >= Low && Value <= High);
    if (StoreChange(Field, Value))
        Sphere.ListInvalidated();
}

} // namespace

T3DSphere::T3DSphere(TComponent* AOwner) : T3DQuadricObject(AOwner) {}

void T3DSphere::SetRadius(float Value)
{
    if (StoreChange(FRadius, Value))
        ListInvalidated();
}

void T3DSphere::SetSlices(int Value)
{
    if (StoreChange(FSlices, std::max(Value, 1)))
        ListInvalidated();
}

void T3DSphere::SetStacks(int Value)
{
    if (StoreChange(FStacks, std::max(Value, 1)))
        ListInvalidated();
}

void T3DSphere::SetTop(float Value)
{
    StoreAngle(*this, FTop, Value, -90, 90);
}

void T3DSphere::SetBottom(float Value)
{
    StoreAngle(*this, FBottom, Value, -90, 90);
}

void T3DSphere::SetStart(float Value)
{
    StoreAngle(*this, FStart, Value, 0, 360);
}

void T3DSphere::SetStop(float Value)
{
    StoreAngle(*this, FStop, Value, 0, 360);
}

void T3DSphere::SetTopCap(TCapType Value)
{
    if (StoreChange(FTopCap, Value))
        ListInvalidated();
}

void T3DSphere::SetBottomCap(TCapType Value)
{
    if (StoreChange(FBottomCap, Value))
        ListInvalidated();
}

TVector T3DSphere::GetHalfExtents() const
{
    const float r = std::abs(FRadius);
    return {r, r, r, 0};
}

void T3DSphere::CompileList(TRenderContextInfo&)
{
    DrawBands();
    if (FTop < 90)
        DrawCap(DegreesToRadians(static_cast<double>(FTop)), FTopCap, true);
    if (FBottom > -90)
        DrawCap(DegreesToRadians(static_cast<double>(FBottom)), FBottomCap, false);
}

// Band i runs from latitude i to i + 1 (from Top down), segment j from
// longitude j to j + 1. Seen from outside, each quad goes down first, then
// along the longitude, which winds it counter-clockwise.
void T3DSphere::DrawBands() const
{
    const double top = DegreesToRadians(static_cast<double>(FTop));
    const double bottom = DegreesToRadians(static_cast<double>(FBottom));
    const double start = DegreesToRadians(static_cast<double>(FStart));
    const double stop = DegreesToRadians(static_cast<double>(FStop));
    const auto latitude = [&](double I) { return top + (bottom - top) * I / FStacks; };
    const auto longitude = [&](double J) { return start + (stop - start) * J / FSlices; };
    const bool smooth = Normals() != nsFlat;
    const auto vertex = [&](int I, int J) {
        const TAffineVector n = SurfaceNormal(latitude(I), longitude(J));
        if (smooth)
            SendNormal(n);
        MultiTexGL.TexCoord2f(static_cast<float>(J) / static_cast<float>(FSlices),
                              1 - static_cast<float>(I) / static_cast<float>(FStacks));
        GL.glVertex3f(n.X * FRadius, n.Y * FRadius, n.Z * FRadius);
    };
    const int first = FacesInside() ? 1 : 0;
    if (smooth) {
        for (int i = 0; i < FStacks; ++i) {
            GL.glBegin(GL_QUAD_STRIP);
            for (int j = 0; j <= FSlices; ++j) {
                vertex(i + first, j);
                vertex(i + 1 - first, j);
            }
            GL.glEnd();
        }
        return;
    }
    GL.glBegin(GL_QUADS);
    for (int i = 0; i < FStacks; ++i) {
        for (int j = 0; j < FSlices; ++j) {
            SendNormal(SurfaceNormal(latitude(i + 0.5), longitude(j + 0.5)));
            vertex(i + first, j);
            vertex(i + 1 - first, j);
            vertex(i + 1 - first, j + 1);
            vertex(i + first, j + 1);
        }
    }
    GL.glEnd();
}

// Triangles from the centre of the cap to each segment of the rim: the
// centre of the sphere (a cone) or of the rim's circle (a disc). Seen from
// outside the upper cap goes along the longitude, the lower one against it.
void T3DSphere::DrawCap(double Latitude, TCapType Cap, bool Upper) const
{
    if (Cap != ctCenter && Cap != ctFlat)
        return;
    const double start = DegreesToRadians(static_cast<double>(FStart));
    const double stop = DegreesToRadians(static_cast<double>(FStop));
    const auto longitude = [&](double J) { return start + (stop - start) * J / FSlices; };
    const float rimY = static_cast<float>(std::sin(Latitude)) * FRadius;
    const float centreY = Cap == ctFlat ? rimY : 0;
    const float t = Upper ? 1.0f : 0.0f;
    const float side = Upper ? 1.0f : -1.0f;
    const auto rim = [&](int J) {
        const TAffineVector n = SurfaceNormal(Latitude, longitude(J));
        MultiTexGL.TexCoord2f(static_cast<float>(J) / static_cast<float>(FSlices), t);
        GL.glVertex3f(n.X * FRadius, rimY, n.Z * FRadius);
    };
    const bool along = Upper != FacesInside();
    GL.glBegin(GL_TRIANGLES);
    for (int j = 0; j < FSlices; ++j) {
        if (Cap == ctFlat) {
            SendNormal({0, side, 0});
        } else {
            // Square to the cone's slope, away from the part of the sphere
            // the cap closes.
            const TAffineVector outward = SurfaceNormal(0, longitude(j + 0.5));
            const auto s = static_cast<float>(std::sin(Latitude));
            const auto c = static_cast<float>(std::cos(Latitude));
            SendNormal({-side * s * outward.X, side * c, -side * s * outward.Z});
        }
        MultiTexGL.TexCoord2f((static_cast<float>(j) + 0.5f) / static_cast<float>(FSlices), t);
        GL.glVertex3f(0, centreY, 0);
        rim(along ? j : j + 1);
        rim(along ? j + 1 : j);
    }
    GL.glEnd();
}
