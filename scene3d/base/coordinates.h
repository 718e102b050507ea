#pragma once
// The position, direction, scale or other 4-vector of a scene object. Every
// change is reported to the owner, also when the value stays the same; a
// scene object hears of it through CoordinatesNotify.
//
// Stored descriptions hold the vector as the binary property "Coordinates":
// 16 bytes, X, Y, Z, W as little-endian floats, always written.
#include "scene3d/base/updateable.h"
#include "scene3d/geometry/vectortypes.h"

// Point: W is 1; vector: W is 0; free: W as given.
enum TCoordinatesStyle { csPoint, csVector, csFree };

class T3DCoordinates : public T3DUpdateAbleObject {
    LT_CLASS(T3DCoordinates)
public:
    // Takes the vector without reporting a change.
    T3DCoordinates(TPersistent* AOwner, const TVector& Value, TCoordinatesStyle Style);

    TCoordinatesStyle Style() const { return FStyle; }
    float X() const { return FCoords.X; }
    float Y() const { return FCoords.Y; }
    float Z() const { return FCoords.Z; }
    float W() const { return FCoords.W; }
    void SetX(float Value) { SetComponent(0, Value); }
    void SetY(float Value) { SetComponent(1, Value); }
    void SetZ(float Value) { SetComponent(2, Value); }
    void SetW(float Value) { SetComponent(3, Value); }
    // Stores component Index (0..3: X, Y, Z, W) and reports the change.
    void SetComponent(int Index, float Value);

    const TVector& AsVector() const { return FCoords; }
    TAffineVector XYZ() const { return {FCoords.X, FCoords.Y, FCoords.Z}; }

    // (X, Y, Z, 1); not for the vector style ("Assertion failure").
    void AssignPoint(float X, float Y, float Z);
    // (X, Y, Z, 0) and (X, Y, Z, W); not for the point style.
    void AssignVector(float X, float Y, float Z);
    void AssignVector(float X, float Y, float Z, float W);
    // All four, then W forced to the style's (1 for points, 0 for vectors).
    void AssignStyled(const TVector& Value);
    // All four, without reporting a change.
    void SetVectorSilently(const TVector& Value);
    // X, Y, Z scaled to unit length, W 0.
    void Normalize();
    float Length3() const;
    bool SameVector(const TVector& Value) const;

    // Coordinates owned by a T3DCoordinatesUpdateAbleComponent report to its
    // CoordinatesNotify, and nothing else (not OnChange); others report as
    // any updatable object.
    void NotifyChange(TObject* Sender) override;
    // From other coordinates: the four components, without reporting.
    void Assign(const TPersistent* Source) override;
    // "Coordinates"; a block of another size than 16 bytes raises EReadError.
    void DefineProperties(TFiler& Filer) override;

private:
    TVector FCoords;
    const TCoordinatesStyle FStyle;
};

// Coordinates that publish W as well.
class T3DCoordinates4 : public T3DCoordinates {
    LT_CLASS(T3DCoordinates4)
public:
    using T3DCoordinates::T3DCoordinates;
};
