#include "scene3d/lists/geometrybb.h"

#include <algorithm>
#include <cmath>

#include "scene3d/geometry/matrixarithmetic.h"
#include "scene3d/geometry/vectorarithmetic.h"

void UnionBox(TAABB& Box, const TAABB& Other)
{
    for (int k = 0; k < 3; ++k) {
        Box.Min[k] = std::min(Box.Min[k], Other.Min[k]);
        Box.Max[k] = std::max(Box.Max[k], Other.Max[k]);
    }
}

void BoxFromHalfExtents(TAABB& Box, const TAffineVector& HalfExtents)
{
    for (int k = 0; k < 3; ++k) {
        Box.Max[k] = std::fabs(HalfExtents[k]);
        Box.Min[k] = -Box.Max[k];
    }
}

TAffineVector BoxCorner(const TAABB& Box, int Corner)
{
    return {(Corner & 1 ? Box.Max : Box.Min).X, (Corner & 2 ? Box.Max : Box.Min).Y,
            (Corner & 4 ? Box.Max : Box.Min).Z};
}

void TransformBox(TAABB& Box, const TMatrix& M)
{
    const TAABB source = Box;
    for (int corner = 0; corner < 8; ++corner) {
        const TAffineVector point = VectorTransform(BoxCorner(source, corner), M);
        if (corner == 0)
            Box = {point, point};
        else
            IncludePointInBox(Box, point);
    }
}

void ScaleBox(TAABB& Box, const TAffineVector& Factors)
{
    ScaleVector(Box.Min, Factors);
    ScaleVector(Box.Max, Factors);
}

void IncludePointInBox(TAABB& Box, const TAffineVector& Point)
{
    UnionBox(Box, {Point, Point});
}
