// Where a scene object stands: its coordinates kept square, the three angles,
// the lazily rebuilt matrices, conversions between frames and orbiting.
#include <numbers>

#include "scene3d/base/flagset.h"
#include "scene3d/geometry/vectorgeometry.h"
#include "scene3d/scene/basesceneobject.h"
#include "scene3d/scene/sceneroot.h"

namespace {

constexpr float SquareEpsilon = 1e-5f;
// How close an orbit may come to the poles, in radians.
constexpr float PoleMargin = 0.025f;

// Direction x Up, or with +Z and then +X in place of a direction parallel to Up.
TAffineVector RightOf(const TAffineVector& Direction, const TAffineVector& Up)
{
    TAffineVector right = VectorCrossProduct(Direction, Up);
    if (VectorLength(right) < SquareEpsilon) {
        right = VectorCrossProduct(TAffineVector{0, 0, 1}, Up);
        if (VectorLength(right) < SquareEpsilon)
            right = VectorCrossProduct(TAffineVector{1, 0, 0}, Up);
    }
    return right;
}

bool IsUnitScale(const T3DCoordinates& Scale)
{
    return Scale.X() == 1 && Scale.Y() == 1 && Scale.Z() == 1;
}

} // namespace

void T3DBaseSceneObject::CoordinatesNotify(T3DCoordinates* Sender)
{
    if (FCalculating)
        return;
    const TFlagSet calculating(FCalculating);
    RealignFrame(Sender);
    PlacementChanged();
}

void T3DBaseSceneObject::RealignFrame(T3DCoordinates* Sender)
{
    if (Sender == FDirection.get()) {
        TAffineVector direction = FDirection->XYZ();
        if (VectorIsNull(direction))
            direction = {0, 0, 1};
        NormalizeVector(direction);
        FDirection->SetVectorSilently(DirectionMake(direction));
        TAffineVector up = VectorCrossProduct(RightOf(direction, FUp->XYZ()), direction);
        FUp->SetVectorSilently(DirectionMake(VectorNormalize(up)));
    } else if (Sender == FUp.get()) {
        TAffineVector up = FUp->XYZ();
        if (VectorIsNull(up))
            up = {0, 1, 0};
        NormalizeVector(up);
        FUp->SetVectorSilently(DirectionMake(up));
        TAffineVector direction = VectorCrossProduct(up, RightOf(FDirection->XYZ(), up));
        FDirection->SetVectorSilently(DirectionMake(VectorNormalize(direction)));
    }
}

void T3DBaseSceneObject::SetPosition(const T3DCoordinates* Value)
{
    FPosition->AssignPoint(Value->X(), Value->Y(), Value->Z());
}

void T3DBaseSceneObject::SetScale(const T3DCoordinates* Value)
{
    FScale->AssignVector(Value->X(), Value->Y(), Value->Z());
}

void T3DBaseSceneObject::SetDirection(const T3DCoordinates* Value)
{
    if (!VectorIsNull(Value->XYZ()))
        FDirection->AssignVector(Value->X(), Value->Y(), Value->Z());
}

void T3DBaseSceneObject::SetUp(const T3DCoordinates* Value)
{
    if (!VectorIsNull(Value->XYZ()))
        FUp->AssignVector(Value->X(), Value->Y(), Value->Z());
}

void T3DBaseSceneObject::SetPitchAngle(float Value)
{
    SetAngle(0, Value);
}

void T3DBaseSceneObject::SetTurnAngle(float Value)
{
    SetAngle(1, Value);
}

void T3DBaseSceneObject::SetRollAngle(float Value)
{
    SetAngle(2, Value);
}

void T3DBaseSceneObject::SetAngle(int Axis, float Value)
{
    if (FAngles[Axis] == Value)
        return;
    if (!ComponentState().Contains(csLoading)) {
        const TFlagSet calculating(FCalculating);
        const float diff = DegreesToRadians(FAngles[Axis] - Value);
        const TAffineVector axes[] = {AffineVectorMake(RightVector()), FUp->XYZ(), FDirection->XYZ()};
        const TMatrix rotation = CreateRotationMatrix(axes[Axis], diff);
        for (T3DCoordinates* turned : {FUp.get(), FDirection.get()}) {
            TVector v = VectorTransform(turned->AsVector(), rotation);
            NormalizeVector(v);
            turned->SetVectorSilently(v);
        }
        PlacementChanged();
    }
    FAngles[Axis] = NormalizeDegAngle(Value);
}

void T3DBaseSceneObject::RebuildLocalMatrix() const
{
    const TAffineVector up = FUp->XYZ();
    const TAffineVector direction = FDirection->XYZ();
    FLocalMatrix[0] = DirectionMake(VectorScale(VectorCrossProduct(up, direction), FScale->X()));
    FLocalMatrix[1] = DirectionMake(VectorScale(up, FScale->Y()));
    FLocalMatrix[2] = DirectionMake(VectorScale(direction, FScale->Z()));
    FLocalMatrix[3] = PointMake(FPosition->XYZ());
    FChanges.Exclude(ocLocalMatrix);
    FChanges.Include(ocAbsoluteMatrix).Include(ocInverseMatrix);
}

const TMatrix& T3DBaseSceneObject::LocalMatrix() const
{
    if (FChanges.Contains(ocLocalMatrix))
        RebuildLocalMatrix();
    return FLocalMatrix;
}

const T3DBaseSceneObject* T3DBaseSceneObject::FrameParent() const
{
    if (!FParent || dynamic_cast<const T3DSceneRootObject*>(FParent))
        return nullptr;
    return FParent;
}

const TMatrix& T3DBaseSceneObject::ParentAbsoluteMatrix() const
{
    const T3DBaseSceneObject* parent = FrameParent();
    return parent ? parent->AbsoluteMatrix() : IdentityHmgMatrix;
}

const TMatrix& T3DBaseSceneObject::AbsoluteMatrix() const
{
    if (!FChanges.Contains(ocAbsoluteMatrix) && !FChanges.Contains(ocLocalMatrix))
        return FAbsoluteMatrix;
    const TMatrix& local = LocalMatrix();
    const T3DBaseSceneObject* parent = FrameParent();
    FAbsoluteMatrix = parent ? MatrixMultiply(local, parent->AbsoluteMatrix()) : local;
    FChanges.Exclude(ocAbsoluteMatrix);
    FChanges.Include(ocInverseMatrix);
    return FAbsoluteMatrix;
}

const TMatrix& T3DBaseSceneObject::InvAbsoluteMatrix() const
{
    if (!FChanges.Contains(ocInverseMatrix) && !FChanges.Contains(ocAbsoluteMatrix) &&
        !FChanges.Contains(ocLocalMatrix))
        return FInvAbsoluteMatrix;
    if (IsUnitScale(*FScale)) {
        TMatrix localInverse = LocalMatrix();
        InvertRigidMatrix(localInverse);
        const T3DBaseSceneObject* parent = FrameParent();
        FInvAbsoluteMatrix = parent ? MatrixMultiply(parent->InvAbsoluteMatrix(), localInverse) : localInverse;
    } else {
        FInvAbsoluteMatrix = AbsoluteMatrix();
        InvertMatrix(FInvAbsoluteMatrix);
    }
    FChanges.Exclude(ocInverseMatrix);
    return FInvAbsoluteMatrix;
}

void T3DBaseSceneObject::SetMatrix(const TMatrix& M)
{
    FDirection->SetVectorSilently(VectorNormalize(M[2]));
    FUp->SetVectorSilently(VectorNormalize(M[1]));
    FScale->SetVectorSilently({VectorLength(M[0]), VectorLength(M[1]), VectorLength(M[2]), 0});
    FPosition->SetVectorSilently(PointMake(AffineVectorMake(M[3])));
    PlacementChanged();
}

TVector T3DBaseSceneObject::AbsolutePosition() const
{
    return AbsoluteMatrix()[3];
}

TVector T3DBaseSceneObject::AbsoluteUp() const
{
    return VectorNormalize(AbsoluteMatrix()[1]);
}

TVector T3DBaseSceneObject::AbsoluteDirection() const
{
    return VectorNormalize(AbsoluteMatrix()[2]);
}

TVector T3DBaseSceneObject::ToLocalSpace(const TVector& AbsolutePoint) const
{
    return VectorTransform(AbsolutePoint, InvAbsoluteMatrix());
}

TVector T3DBaseSceneObject::ToAbsoluteSpace(const TVector& LocalPoint) const
{
    return VectorTransform(LocalPoint, AbsoluteMatrix());
}

TVector T3DBaseSceneObject::RightVector() const
{
    return VectorCrossProduct(FDirection->AsVector(), FUp->AsVector());
}

TVector T3DBaseSceneObject::LeftVector() const
{
    return VectorCrossProduct(FUp->AsVector(), FDirection->AsVector());
}

void T3DBaseSceneObject::OrbitAboutPoint(const T3DBaseSceneObject* Target, float PitchDelta, float TurnDelta)
{
    if (!Target)
        return;
    const TAffineVector targetPosition = AffineVectorMake(Target->AbsolutePosition());
    const TAffineVector toNode = VectorSubtract(AffineVectorMake(AbsolutePosition()), targetPosition);
    const float distance = VectorLength(toNode);
    if (!(distance > 0))
        return;
    const TAffineVector n = VectorScale(toNode, 1 / distance);
    const TAffineVector up = AffineVectorMake(AbsoluteUp());
    TAffineVector right = VectorCrossProduct(up, n);
    if (VectorLength(right) < 0.001f)
        right = {1, 0, 0};
    else
        NormalizeVector(right);
    const float pitch = Clamp(ArcCos(Clamp(VectorDotProduct(up, n), -1, 1)) + DegreesToRadians(PitchDelta),
                              PoleMargin, std::numbers::pi_v<float> - PoleMargin);
    TVector v = DirectionMake(up);
    RotateVector(v, right, -pitch);
    RotateVector(v, up, -DegreesToRadians(TurnDelta));
    TVector newPosition = PointMake(VectorAdd(targetPosition, VectorScale(AffineVectorMake(v), distance)));
    if (const T3DBaseSceneObject* parent = FrameParent())
        newPosition = parent->ToLocalSpace(newPosition);
    FPosition->AssignPoint(newPosition.X, newPosition.Y, newPosition.Z);
}
