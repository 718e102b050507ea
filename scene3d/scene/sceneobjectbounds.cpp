// The extent of a scene object: half extents, bounding sphere and box, ray
// and point tests, and the silhouette of the bounding sphere.
#include <cmath>
#include <numbers>

#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/scene/basesceneobject.h"

namespace {

constexpr int SilhouetteSegments = 21;

// The box of Node's half extents grown by its descendants' boxes, in Node's
// frame before its own scale.
TAABB UnscaledBox(const T3DBaseSceneObject& Node)
{
    TAABB box;
    BoxFromHalfExtents(box, AffineVectorMake(Node.GetHalfExtents()));
    for (int i = 0; i < Node.GetChildCount(); ++i) {
        const T3DBaseSceneObject& child = *Node.GetChild(i);
        TAABB childBox = UnscaledBox(child);
        TransformBox(childBox, child.LocalMatrix());
        UnionBox(box, childBox);
    }
    return box;
}

} // namespace

TVector T3DBaseSceneObject::CenterPoint() const
{
    return AbsolutePosition();
}

TVector T3DBaseSceneObject::GetHalfExtents() const
{
    return {0.5f, 0.5f, 0.5f, 0};
}

float T3DBaseSceneObject::SqrDistanceTo(const TVector& Point) const
{
    return VectorDistance2(AffineVectorMake(CenterPoint()), AffineVectorMake(Point));
}

TVector T3DBaseSceneObject::HalfExtentsScaled() const
{
    TVector extents = GetHalfExtents();
    ScaleVector(extents, FScale->AsVector());
    return extents;
}

float T3DBaseSceneObject::BoundingRadius() const
{
    return VectorLength(HalfExtentsScaled());
}

float T3DBaseSceneObject::UnscaledBoundingRadius() const
{
    return VectorLength(GetHalfExtents());
}

TAABB T3DBaseSceneObject::BoundingBox() const
{
    TAABB box = UnscaledBox(*this);
    ScaleBox(box, FScale->XYZ());
    return box;
}

std::array<TAffineVector, 8> T3DBaseSceneObject::AbsoluteBoundingBoxCorners() const
{
    // The absolute matrix holds the node's own scale, so the box goes
    // through it unscaled.
    const TAABB box = UnscaledBox(*this);
    const TMatrix& absolute = AbsoluteMatrix();
    std::array<TAffineVector, 8> corners;
    for (int corner = 0; corner < 8; ++corner)
        corners[static_cast<std::size_t>(corner)] = VectorTransform(BoxCorner(box, corner), absolute);
    return corners;
}

bool T3DBaseSceneObject::ContainsPoint(const TVector& AbsolutePoint) const
{
    const float radius = BoundingRadius();
    return VectorDistance2(AffineVectorMake(AbsolutePoint), AffineVectorMake(AbsolutePosition())) <=
           radius * radius;
}

bool T3DBaseSceneObject::IntersectRay(const TVector& RayStart, const TVector& RayVector, TVector* IntersectPoint,
                                      TVector* IntersectNormal) const
{
    if (VectorIsNull(AffineVectorMake(RayVector)))
        return false;
    const TAffineVector centre = AffineVectorMake(AbsolutePosition());
    TAffineVector nearHit;
    TAffineVector farHit;
    if (RayCastSphereIntersect(AffineVectorMake(RayStart), VectorNormalize(AffineVectorMake(RayVector)), centre,
                               BoundingRadius(), nearHit, farHit) == 0)
        return false;
    if (IntersectPoint)
        *IntersectPoint = PointMake(nearHit);
    if (IntersectNormal)
        *IntersectNormal = DirectionMake(VectorNormalize(VectorSubtract(nearHit, centre)));
    return true;
}

std::unique_ptr<T3DSilhouette> T3DBaseSceneObject::BuildSilhouette(const TSilhouetteParameters& Parameters) const
{
    // The rim of the sphere as the viewer sees it, in the node's own frame:
    // seen along a direction, the great circle square to it; seen from a
    // point outside, the smaller circle where the lines of sight touch the
    // sphere, nearer the viewer.
    const float radius = UnscaledBoundingRadius();
    TAffineVector towardsViewer = Parameters.View == svFromPoint ? Parameters.Viewpoint
                                                                  : VectorNegate(Parameters.ViewDirection);
    const float distance = VectorLength(towardsViewer);
    float rimRadius = radius;
    TAffineVector rimCentre = NullVector;
    if (distance > 0)
        ScaleVector(towardsViewer, 1 / distance);
    else
        towardsViewer = {0, 0, 1};
    if (Parameters.View == svFromPoint && distance > radius) {
        rimRadius = radius * std::sqrt(distance * distance - radius * radius) / distance;
        rimCentre = VectorScale(towardsViewer, radius * radius / distance);
    }
    TAffineVector s = VectorCrossProduct(towardsViewer, TAffineVector{1, 0, 0});
    if (VectorLength(s) < 1e-3f)
        s = VectorCrossProduct(towardsViewer, TAffineVector{0, 1, 0});
    NormalizeVector(s);
    const TAffineVector t = VectorNormalize(VectorCrossProduct(towardsViewer, s));

    auto silhouette = std::make_unique<T3DSilhouette>();
    for (int i = 0; i < SilhouetteSegments; ++i) {
        float sine = 0;
        float cosine = 0;
        SinCos(2 * std::numbers::pi_v<float> * static_cast<float>(i) / SilhouetteSegments, rimRadius, sine, cosine);
        silhouette->Vertices().AddPoint(VectorAdd(rimCentre, VectorCombine(s, t, sine, cosine)));
        const int next = (i + 1) % SilhouetteSegments;
        silhouette->Indices().Add(i, next);
        if (Parameters.Capped)
            silhouette->CapIndices().Add(SilhouetteSegments, i, next);
    }
    if (Parameters.Capped)
        silhouette->Vertices().AddPoint(rimCentre);
    return silhouette;
}
