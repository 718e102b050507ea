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
// Box becomes the bounds of its eight corners transformed as points by M.
void TransformBox(TAABB& Box, const TMatrix& M);
// Min and Max multiplied component-wise.
void ScaleBox(TAABB& Box, const TAffineVector& Factors);
// Box widened to contain Point.
void IncludePointInBox(TAABB& Box, const TAffineVector& Point);
