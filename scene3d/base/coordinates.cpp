#include "scene3d/base/coordinates.h"

#include "platform/rtl/classbuilder.h"
#include "scene3d/base/engineassert.h"
#include "scene3d/base/vectorblock.h"
#include "scene3d/geometry/vectorlength.h"

LT_IMPLEMENT_CLASS(T3DCoordinates, T3DUpdateAbleObject)
{
    P.Property("X", &T3DCoordinates::X, &T3DCoordinates::SetX).StoredIf(StoredInVectorBlock);
    P.Property("Y", &T3DCoordinates::Y, &T3DCoordinates::SetY).StoredIf(StoredInVectorBlock);
    P.Property("Z", &T3DCoordinates::Z, &T3DCoordinates::SetZ).StoredIf(StoredInVectorBlock);
}

LT_IMPLEMENT_CLASS(T3DCoordinates4, T3DCoordinates)
{
    P.Property("W", &T3DCoordinates4::W, &T3DCoordinates4::SetW).StoredIf(StoredInVectorBlock);
}

T3DCoordinates::T3DCoordinates(TPersistent* AOwner, const TVector& Value, TCoordinatesStyle Style)
    : T3DUpdateAbleObject(AOwner), FCoords(Value), FStyle(Style)
{
}

void T3DCoordinates::SetComponent(int Index, float Value)
{
    EngineAssert(Index >= 0 && Index < 4);
    FCoords[Index] = Value;
    NotifyChange(this);
}

void T3DCoordinates::AssignPoint(float X, float Y, float Z)
{
    EngineAssert(FStyle != csVector);
    FCoords = {X, Y, Z, 1};
    NotifyChange(this);
}

void T3DCoordinates::AssignVector(float X, float Y, float Z)
{
    AssignVector(X, Y, Z, 0);
}

void T3DCoordinates::AssignVector(float X, float Y, float Z, float W)
{
    EngineAssert(FStyle != csPoint);
    FCoords = {X, Y, Z, W};
    NotifyChange(this);
}

void T3DCoordinates::AssignStyled(const TVector& Value)
{
    FCoords = Value;
    if (FStyle == csPoint)
        FCoords.W = 1;
    else if (FStyle == csVector)
        FCoords.W = 0;
    NotifyChange(this);
}

void T3DCoordinates::SetVectorSilently(const TVector& Value)
{
    FCoords = Value;
}

void T3DCoordinates::Normalize()
{
    NormalizeVector(FCoords);
    NotifyChange(this);
}

float T3DCoordinates::Length3() const
{
    return VectorLength(FCoords);
}

bool T3DCoordinates::SameVector(const TVector& Value) const
{
    return FCoords.X == Value.X && FCoords.Y == Value.Y && FCoords.Z == Value.Z && FCoords.W == Value.W;
}

void T3DCoordinates::NotifyChange(TObject* Sender)
{
    auto* owner = dynamic_cast<T3DCoordinatesUpdateAbleComponent*>(Owner());
    if (!owner) {
        T3DUpdateAbleObject::NotifyChange(Sender);
        return;
    }
    if (Updating() == 0)
        owner->CoordinatesNotify(this);
}

void T3DCoordinates::Assign(const TPersistent* Source)
{
    if (const auto* source = dynamic_cast<const T3DCoordinates*>(Source))
        FCoords = source->FCoords;
    else
        T3DUpdateAbleObject::Assign(Source);
}

void T3DCoordinates::DefineProperties(TFiler& Filer)
{
    T3DUpdateAbleObject::DefineProperties(Filer);
    DefineVectorBlock(Filer, "Coordinates", FCoords);
}
