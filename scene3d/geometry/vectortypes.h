#pragma once
// The value types of the scene engine's geometry: vectors of single-precision
// floats, 4x4 matrices, planes and the view frustum. Each is a plain record of
// floats packed in the order of its fields, so arrays of them go to OpenGL as
// they are.
#include <array>
#include <type_traits>

// A position, direction or scale: X, Y, Z.
struct TAffineVector {
    float X = 0;
    float Y = 0;
    float Z = 0;

    float& operator[](int i) { return this->*Components[i]; }
    const float& operator[](int i) const { return this->*Components[i]; }

private:
    static constexpr float TAffineVector::*Components[] = {&TAffineVector::X, &TAffineVector::Y,
                                                           &TAffineVector::Z};
};

// A homogeneous vector: a point has W = 1, a direction W = 0. Colours use the
// same type as red, green, blue, alpha.
struct TVector {
    float X = 0;
    float Y = 0;
    float Z = 0;
    float W = 0;

    float& operator[](int i) { return this->*Components[i]; }
    const float& operator[](int i) const { return this->*Components[i]; }

private:
    static constexpr float TVector::*Components[] = {&TVector::X, &TVector::Y, &TVector::Z, &TVector::W};
};

// Texture coordinates.
struct TTexPoint {
    float S = 0;
    float T = 0;
};

// Four rows; row 3 holds the translation. Points are row vectors multiplied
// from the left (v' = v x M), so v transforms to X*row0 + Y*row1 + Z*row2 + W*row3.
using TMatrix = std::array<TVector, 4>;

// A plane (A, B, C, D) in X, Y, Z, W: the signed distance of a point P is
// A*P.X + B*P.Y + C*P.Z + D.
using THmgPlane = TVector;

// The six planes that bound a view, normals pointing inwards.
struct TFrustumPlanes {
    THmgPlane Left;
    THmgPlane Top;
    THmgPlane Right;
    THmgPlane Bottom;
    THmgPlane Near;
    THmgPlane Far;

    THmgPlane& operator[](int i) { return this->*Planes[i]; }
    const THmgPlane& operator[](int i) const { return this->*Planes[i]; }

private:
    static constexpr THmgPlane TFrustumPlanes::*Planes[] = {&TFrustumPlanes::Left,  &TFrustumPlanes::Top,
                                                            &TFrustumPlanes::Right, &TFrustumPlanes::Bottom,
                                                            &TFrustumPlanes::Near,  &TFrustumPlanes::Far};
};

static_assert(std::is_standard_layout_v<TAffineVector> && sizeof(TAffineVector) == 3 * sizeof(float));
static_assert(std::is_standard_layout_v<TVector> && sizeof(TVector) == 4 * sizeof(float));
static_assert(std::is_standard_layout_v<TTexPoint> && sizeof(TTexPoint) == 2 * sizeof(float));
static_assert(sizeof(TMatrix) == 16 * sizeof(float));
static_assert(sizeof(TFrustumPlanes) == 6 * sizeof(THmgPlane));
