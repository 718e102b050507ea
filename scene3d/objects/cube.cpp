#include "scene3d/objects/cube.h"

#include <array>
#include <span>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/rtl/classbuilder.h"
#include "platform/rtl/filer.h"
#include "scene3d/base/storechange.h"
#include "scene3d/base/vectorblock.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/lists/connectivity.h"
#include "scene3d/materials/material.h"
#include "scene3d/opengl/multitexgl.h"
#include "scene3d/opengl/openglapi.h"
#include "scene3d/scene/publishsceneobject.h"

LT_IMPLEMENT_CLASS(T3DCube, T3DSceneObject)
{
    PublishSceneObjectProperties(P);
    P.Property("Hint", &T3DCube::Hint, &T3DCube::SetHint);
    P.Property("Material", &T3DCube::Material);
    // Stored together as "CubeSize".
    const auto never = [](const TObject&) { return false; };
    P.Property("CubeWidth", &T3DCube::CubeWidth, &T3DCube::SetCubeWidth).StoredIf(never);
    P.Property("CubeHeight", &T3DCube::CubeHeight, &T3DCube::SetCubeHeight).StoredIf(never);
    P.Property("CubeDepth", &T3DCube::CubeDepth, &T3DCube::SetCubeDepth).StoredIf(never);
    P.Property("NormalDirection", &T3DCube::NormalDirection, &T3DCube::SetNormalDirection).Default(ndOutside);
    P.Property("Parts", &T3DCube::Parts, &T3DCube::SetParts)
        .Default(static_cast<int64_t>(TCubeParts{cpTop, cpBottom, cpFront, cpBack, cpLeft, cpRight}.Bits()));
}

namespace {

// How far the box a ray is tested against reaches, per unit of size.
constexpr float RayBoxHalfSize = 0.5001f;

// A face: its outward normal and the directions of its texture's S and T,
// with Right x Up = Normal.
struct TCubeFace {
    TCubePart Part;
    TAffineVector Normal;
    TAffineVector Right;
    TAffineVector Up;
};

constexpr std::array<TCubeFace, 6> CubeFaces = {{
    {cpTop, {0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
    {cpBottom, {0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
    {cpFront, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
    {cpBack, {0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
    {cpLeft, {-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
    {cpRight, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}},
}};

// The corner of Face at (S, T) in -1 .. 1 on a box of the half extents Half.
TAffineVector FaceCorner(const TCubeFace& Face, const TAffineVector& Half, float S, float T)
{
    TAffineVector corner;
    for (int axis = 0; axis < 3; ++axis)
        corner[axis] = (Face.Normal[axis] + S * Face.Right[axis] + T * Face.Up[axis]) * Half[axis];
    return corner;
}

// The four corners of Face counter-clockwise as seen from where it faces,
// with their texture coordinates: from outside, or from inside the box.
struct TFaceCorner {
    TAffineVector Position;
    float S;
    float T;
};

std::array<TFaceCorner, 4> FaceCorners(const TCubeFace& Face, const TAffineVector& Half, TNormalDirection Direction)
{
    std::array<TFaceCorner, 4> corners;
    static constexpr std::array<std::array<float, 2>, 4> Outward = {{{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto& [s, t] = Outward[Direction == ndOutside ? k : 3 - k];
        corners[k] = {FaceCorner(Face, Half, s, t), (s + 1) / 2, (t + 1) / 2};
    }
    return corners;
}

} // namespace

T3DCube::T3DCube(TComponent* AOwner) : T3DSceneObject(AOwner)
{
    SetObjectStyle({sfDirectDraw});
}

void T3DCube::SetSize(float& Field, float Value)
{
    if (StoreChange(Field, Value))
        ListInvalidated();
}

void T3DCube::SetCubeWidth(float Value)
{
    SetSize(FCubeSize.X, Value);
}

void T3DCube::SetCubeHeight(float Value)
{
    SetSize(FCubeSize.Y, Value);
}

void T3DCube::SetCubeDepth(float Value)
{
    SetSize(FCubeSize.Z, Value);
}

void T3DCube::SetNormalDirection(TNormalDirection Value)
{
    if (StoreChange(FNormalDirection, Value))
        ListInvalidated();
}

void T3DCube::SetParts(TCubeParts Value)
{
    if (StoreChange(FParts, Value))
        ListInvalidated();
}

void T3DCube::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DCube*>(Source)) {
        FCubeSize = source->FCubeSize;
        FNormalDirection = source->FNormalDirection;
        FParts = source->FParts;
        ListInvalidated();
    }
    T3DSceneObject::Assign(Source);
}

TVector T3DCube::GetHalfExtents() const
{
    return {std::abs(FCubeSize.X) / 2, std::abs(FCubeSize.Y) / 2, std::abs(FCubeSize.Z) / 2, 0};
}

bool T3DCube::IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                           TVector* IntersectNormal) const
{
    const TAffineVector start = AffineVectorMake(ToLocalSpace(PointMake(AffineVectorMake(RayStart))));
    const TAffineVector along = AffineVectorMake(ToLocalSpace(DirectionMake(AffineVectorMake(RayVector))));
    // Slabs: the ray is inside the box from tEnter to tLeave.
    float tEnter = -std::numeric_limits<float>::infinity();
    float tLeave = std::numeric_limits<float>::infinity();
    int enterAxis = -1;
    int leaveAxis = -1;
    for (int axis = 0; axis < 3; ++axis) {
        const float half = std::abs(FCubeSize[axis]) * RayBoxHalfSize;
        if (along[axis] == 0) {
            if (std::abs(start[axis]) > half)
                return false;
            continue;
        }
        float tNear = (-half - start[axis]) / along[axis];
        float tFar = (half - start[axis]) / along[axis];
        if (tNear > tFar)
            std::swap(tNear, tFar);
        if (tNear > tEnter) {
            tEnter = tNear;
            enterAxis = axis;
        }
        if (tFar < tLeave) {
            tLeave = tFar;
            leaveAxis = axis;
        }
    }
    if (leaveAxis < 0 || tLeave < 0 || tEnter > tLeave)
        return false;
    const bool fromOutside = tEnter >= 0;
    const float t = fromOutside ? tEnter : tLeave;
    const int axis = fromOutside ? enterAxis : leaveAxis;
    if (IntersectPoint)
        *IntersectPoint = ToAbsoluteSpace(PointMake(VectorCombine(start, along, 1, t)));
    if (IntersectNormal) {
        // The outward normal of the face: leaving against the ray's way,
        // entered along it. Normals go through the inverse transpose.
        const float sign = (along[axis] > 0) == fromOutside ? -1.0f : 1.0f;
        const TMatrix& inverse = InvAbsoluteMatrix();
        const TAffineVector normal = {inverse[0][axis], inverse[1][axis], inverse[2][axis]};
        *IntersectNormal = DirectionMake(VectorScale(VectorNormalize(normal), sign));
    }
    return true;
}

std::unique_ptr<T3DSilhouette> T3DCube::BuildSilhouette(const TSilhouetteParameters& Parameters) const
{
    const TAffineVector half = AffineVectorMake(GetHalfExtents());
    TConnectivity connectivity(true);
    for (const TCubeFace& face : CubeFaces) {
        if (!FParts.Contains(face.Part))
            continue;
        const std::array<TFaceCorner, 4> c = FaceCorners(face, half, FNormalDirection);
        // The two triangles (0, 1, 2) and (2, 3, 0), both counter-clockwise.
        connectivity.AddQuad(c[0].Position, c[1].Position, c[3].Position, c[2].Position);
    }
    std::unique_ptr<T3DSilhouette> silhouette;
    connectivity.CreateSilhouette(Parameters, silhouette, false);
    return silhouette;
}

void T3DCube::DefineProperties(TFiler& Filer)
{
    T3DSceneObject::DefineProperties(Filer);
    const bool unitCube = FCubeSize.X == 1 && FCubeSize.Y == 1 && FCubeSize.Z == 1;
    DefineFloatBlock(Filer, "CubeSize", std::span<float>(&FCubeSize.X, 3), !unitCube);
}

void T3DCube::CompileList(TRenderContextInfo&)
{
    const TAffineVector half = VectorScale(FCubeSize, 0.5f);
    const float facing = FNormalDirection == ndOutside ? 1.0f : -1.0f;
    GL.glBegin(GL_QUADS);
    for (const TCubeFace& face : CubeFaces) {
        if (!FParts.Contains(face.Part))
            continue;
        GL.glNormal3f(face.Normal.X * facing, face.Normal.Y * facing, face.Normal.Z * facing);
        for (const TFaceCorner& corner : FaceCorners(face, half, FNormalDirection)) {
            MultiTexGL.TexCoord2f(corner.S, corner.T);
            GL.glVertex3f(corner.Position.X, corner.Position.Y, corner.Position.Z);
        }
    }
    GL.glEnd();
}
