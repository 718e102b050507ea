#pragma once
// Building vectors from components and converting between the affine and the
// homogeneous form.
#include "scene3d/geometry/vectortypes.h"

inline TAffineVector AffineVectorMake(float x, float y, float z) { return {x, y, z}; }
// Drops W.
inline TAffineVector AffineVectorMake(const TVector& v) { return {v.X, v.Y, v.Z}; }

inline TVector VectorMake(float x, float y, float z, float w = 0) { return {x, y, z, w}; }
inline TVector VectorMake(const TAffineVector& v, float w) { return {v.X, v.Y, v.Z, w}; }

// The point (x, y, z, 1).
inline void SetVector4(TVector& v, float x, float y, float z) { v = {x, y, z, 1}; }

// The point at v (W 1) and the direction along v (W 0).
inline TVector PointMake(const TAffineVector& v) { return {v.X, v.Y, v.Z, 1}; }
inline TVector DirectionMake(const TAffineVector& v) { return {v.X, v.Y, v.Z, 0}; }
