#include "scene3d/geometry/matrixbuild.h"

#include "scene3d/geometry/geometryconstants.h"
#include "scene3d/geometry/matrixarithmetic.h"
#include "scene3d/geometry/vectorlength.h"
#include "scene3d/geometry/vectorproducts.h"

#include <cmath>

TMatrix CreateScaleAndTranslationMatrix(const TAffineVector& scale, const TAffineVector& offset)
{
    TMatrix result = IdentityHmgMatrix;
    result[0][0] = scale.X;
    result[1][1] = scale.Y;
    result[2][2] = scale.Z;
    result[3] = {offset.X, offset.Y, offset.Z, 1};
    return result;
}

TMatrix CreateRotationMatrix(const TAffineVector& axis, float angle)
{
    const TAffineVector u = VectorNormalize(axis);
    const double x = u.X;
    const double y = u.Y;
    const double z = u.Z;
    const double c = std::cos(double(angle));
    const double s = std::sin(double(angle));
    const double t = 1 - c;
    TMatrix result;
    result[0] = {float(t * x * x + c), float(t * x * y - z * s), float(t * x * z + y * s), 0};
    result[1] = {float(t * x * y + z * s), float(t * y * y + c), float(t * y * z - x * s), 0};
    result[2] = {float(t * x * z - y * s), float(t * y * z + x * s), float(t * z * z + c), 0};
    result[3] = {0, 0, 0, 1};
    return result;
}

void RotateVector(TVector& v, const TAffineVector& axis, float angle)
{
    v = VectorTransform(v, CreateRotationMatrix(axis, angle));
}

void NormalizeMatrix(TMatrix& m)
{
    NormalizeVector(m[0]);  // W becomes 0
    NormalizeVector(m[1]);
    // Row 2 is unit length only when rows 0 and 1 were perpendicular, so it is
    // normalised too; row 0 then follows from two perpendicular unit rows.
    m[2] = VectorNormalize(VectorCrossProduct(m[0], m[1]));
    m[0] = VectorCrossProduct(m[1], m[2]);
    m[3] = NullHmgPoint;
}
