#pragma once
// Axis-aligned bounding boxes of scene objects.
#include "scene3d/geometry/vectortypes.h"

struct TAABB {
    TAffineVector Min;
    TAffineVector Max;
};

// Box becomes the bounds of both boxes.
void UnionBox(TAABB& Box, const TAABB& Other);
// Max = |half extents|, Min = -Max.
void BoxFromHalfExtents(TAABB& Box, const TAffineVector& HalfExtents);
// Corner 0 .. 7 of Box: bits 0, 1 and 2 take X, Y and Z from Max, else from Min.
TAffineVector BoxCorner(const TAABB& Box, int Corner);
// Box becomes the bounds of its eight corners transformed as points by M.
void TransformBox(TAABB& Box, const TMatrix& M);
// Min and Max multiplied component-wise.
void ScaleBox(TAABB& Box, const TAffineVector& Factors);
// Box widened to contain Point.
void IncludePointInBox(TAABB& Box, const TAffineVector& Point);
