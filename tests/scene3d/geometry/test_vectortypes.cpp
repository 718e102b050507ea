#include "scene3d/geometry/vectorgeometry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// OpenGL reads these records as packed floats: component i by index is float i
// of the record, and a matrix is sixteen floats row after row.
TEST(VectorTypes, IndexedComponentsArePackedFloatsInFieldOrder)
{
    const TVector v{1, 2, 3, 4};
    float packed[4];
    std::memcpy(packed, &v, sizeof v);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(v[i], packed[i]) << i;

    TAffineVector a;
    a[2] = 7;
    EXPECT_EQ(a.Z, 7);

    TMatrix m{};
    m[3][1] = 5;  // row 3, Y: the translation along Y
    float floats[16];
    std::memcpy(floats, &m, sizeof m);
    EXPECT_EQ(floats[13], 5);

    TFrustumPlanes f;
    f[4].W = 9;
    EXPECT_EQ(f.Near.W, 9);
}

}  // namespace
